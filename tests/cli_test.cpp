// hexorin-cli as a build script sees it: exit codes, messages, output bytes.
#include <cstdlib>
#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "test_support.h"

namespace {

std::string Quote(const std::string& text)
{
    return "\"" + text + "\"";
}

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

class CliTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        data = PatternBytes(2500);
        WriteWholeFile(PathOf("data.bin"), data);
    }

    // Runs hexorin-cli with the arguments (already quoted where needed),
    // standard output going to `stdoutPath` unless it is empty.
    CliResult Cli(const std::string& arguments, const std::string& stdinPath = "",
                  const std::string& stdoutPath = "")
    {
        std::string outPath = stdoutPath.empty() ? PathOf("stdout.txt") : stdoutPath;
        std::string command = Quote(WindowsPath(HEXORIN_CLI_PATH)) + " " + arguments;
        if (!stdinPath.empty())
            command += " < " + Quote(stdinPath);
        command += " > " + Quote(outPath) + " 2> " + Quote(PathOf("stderr.txt"));
#ifdef _WIN32
        command = Quote(command);  // cmd.exe strips the outer pair
#endif
        int status = std::system(command.c_str());
#ifndef _WIN32
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        // A device given for standard output is not read back.
        std::string out = stdoutPath.empty() ? ReadWholeFile(outPath) : "";
        return CliResult{status, out, ReadWholeFile(PathOf("stderr.txt"))};
    }

    std::string data;
};

// Writes the same bytes as the conversion core for every combination of options.
TEST_F(CliTest, OptionsSelectTheOutput)
{
    struct Case {
        const char* options;
        OutputFormat format;
        const char* title;
        bool terminator;
    } cases[] = {
        {"", FormatCArray, "", true},
        {"--asm", FormatAssembler, "", true},
        {"--asm --c --no-terminator", FormatCArray, "", false},
        {"--title Logo --asm --no-terminator", FormatAssembler, "Logo", false},
        {"--title=Font_8x8", FormatCArray, "Font_8x8", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        CliResult result = Cli(std::string(c.options) + " " + Quote(PathOf("data.bin")) + " " + Quote(PathOf("out")));
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(ReadWholeFile(PathOf("out")), ReferenceOutput(data, c.title, c.format, c.terminator));
    }
}

// "-" reads standard input and writes standard output, untranslated.
TEST_F(CliTest, StandardStreams)
{
    CliResult result = Cli("--asm - -", PathOf("data.bin"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReferenceOutput(data, "", FormatAssembler, true));
}

TEST_F(CliTest, HelpAndVersion)
{
    CliResult help = Cli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: hexorin-cli", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--no-terminator"), std::string::npos);
    CliResult version = Cli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("hexorin-cli 1.4", 0), 0u) << version.out;
}

// Wrong arguments: a reason and the usage line on standard error, exit 2.
TEST_F(CliTest, UsageErrors)
{
    struct Case {
        std::string arguments;
        const char* reason;
    } cases[] = {
        {"", "missing SOURCE and TARGET"},
        {"a.bin", "missing TARGET"},
        {"a.bin b.h c.h", "unexpected argument: c.h"},
        {"--bogus a.bin b.h", "unknown option: --bogus"},
        {"a.bin b.h --title", "--title needs a name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        CliResult result = Cli(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("usage: hexorin-cli"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// A failed conversion: the outcome, the path and the reason, exit 1, and no target.
TEST_F(CliTest, FailedConversions)
{
    std::string missing = PathOf("missing.bin");
    std::string inMissingFolder = PathOf("nowhere/out.h");
    struct Case {
        std::string arguments;
        std::string message;
        std::string created;
    } cases[] = {
        {Quote(missing) + " " + Quote(PathOf("out.h")), "Error Reading Source File: " + missing, PathOf("out.h")},
        {Quote(PathOf("data.bin")) + " " + Quote(inMissingFolder), "Error Creating Target File: " + inMissingFolder,
         inMissingFolder},
        {Quote(PathOf("data.bin")) + " " + Quote(PathOf("data.bin")), "Source and target are the same file", ""},
        {"\"\" " + Quote(PathOf("out.h")), "Please select a source file", PathOf("out.h")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        CliResult result = Cli(c.arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err.rfind("hexorin-cli: " + c.message, 0), 0u) << result.err;
        if (!c.created.empty()) {
            EXPECT_FALSE(FileExists(c.created));
        }
    }
    EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), data);
}

#ifndef _WIN32
TEST_F(CliTest, WriteErrorsAreReported)
{
    CliResult toFile = Cli(Quote(PathOf("data.bin")) + " /dev/full");
    EXPECT_EQ(toFile.exitCode, 1);
    EXPECT_EQ(toFile.err, "hexorin-cli: Error Writing Target File: /dev/full: No space left on device\n");
    CliResult toStdout = Cli(Quote(PathOf("data.bin")) + " -", "", "/dev/full");
    EXPECT_EQ(toStdout.exitCode, 1);
    EXPECT_EQ(toStdout.err,
              "hexorin-cli: Error Writing Target File: standard output: No space left on device\n");
}

// Beyond 4 GiB the size line still holds the exact count; the output goes
// through a pipe that keeps only its end.
TEST_F(CliTest, SourceLargerThanFourGiB)
{
    const long long size = (1LL << 32) + 5;
    std::filesystem::resize_file(PathOf("data.bin"), size);  // sparse: the rest reads as zeros
    std::string command = Quote(HEXORIN_CLI_PATH) + " --asm --no-terminator " + Quote(PathOf("data.bin")) +
                          " - | tail -c 200 > " + Quote(PathOf("tail.txt"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string tail = ReadWholeFile(PathOf("tail.txt"));
    const std::string ending = "\tdb 0x00,0x00,0x00,0x00,0x00\r\nOutput_End:\r\nOutput_Size EQU 4294967301";
    ASSERT_GE(tail.size(), ending.size());
    EXPECT_EQ(tail.substr(tail.size() - ending.size()), ending);
}

// Standard input redirected from the very file the target names.
TEST_F(CliTest, StandardInputIsTheTarget)
{
    CliResult result = Cli("- " + Quote(PathOf("data.bin")), PathOf("data.bin"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("hexorin-cli: Source and target are the same file", 0), 0u) << result.err;
    EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), data);
}
#endif

}  // namespace
