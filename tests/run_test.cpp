// RunConversion's outcomes, and that no failure loses or corrupts a file.
#include <cerrno>
#include <cstring>
#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "engine.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class RunConversionTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        sourceData = PatternBytes(3000);
        WriteWholeFile(PathOf("data.bin"), sourceData);
        fs::create_directory(PathOf("folder"));
    }

    ConversionOutcome Run(const std::string& source, const std::string& target)
    {
        settings.sourcePath = source.c_str();
        settings.targetPath = target.c_str();
        return RunConversion(settings, readBuffer);
    }

    std::string sourceData;
    unsigned char readBuffer[ReadBufferSize];
    ConversionSettings settings = {nullptr, nullptr, "", FormatCArray, true, nullptr, nullptr};
};

struct OutcomeCase {
    const char* name;
    const char* source;  // inside the test's folder; "" is an empty field
    const char* target;
    ConversionResult result;
    const char* message;
    const char* caption;
    bool targetExistsAfter;
};

const OutcomeCase OutcomeCases[] = {
    {"BothEmpty", "", "", ResultNoSource, "Please select a source file", "File Error", false},
    {"SourceEmpty", "", "out.h", ResultNoSource, "Please select a source file", "File Error", false},
    {"TargetEmpty", "data.bin", "", ResultNoTarget, "Please select a target file", "File Error", false},
    {"MissingSource", "missing.bin", "out.h", ResultSourceUnreadable, "Error Reading Source File", "File Error",
     false},
    {"SourceIsFolder", "folder", "out.h", ResultSourceUnreadable, "Error Reading Source File", "File Error", false},
    {"TargetInMissingFolder", "data.bin", "nowhere/out.h", ResultTargetNotCreated, "Error Creating Target File",
     "File Error", false},
    {"TargetIsFolder", "data.bin", "folder", ResultTargetNotCreated, "Error Creating Target File", "File Error",
     true},
    {"SameFile", "data.bin", "data.bin", ResultSameFile, "Source and target are the same file", "File Error",
     true},
    {"Completed", "data.bin", "out.h", ResultCompleted, "Data conversion is now completed!", "Conversion Complete",
     true},
};

// Every outcome: its text and caption, and which files exist afterwards. The
// source is never changed.
TEST_F(RunConversionTest, EveryOutcome)
{
    for (const OutcomeCase& c : OutcomeCases) {
        SCOPED_TRACE(c.name);
        std::string source = *c.source ? PathOf(c.source) : "";
        std::string target = *c.target ? PathOf(c.target) : "";
        ConversionOutcome outcome = Run(source, target);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_STREQ(outcome.message, c.message);
        EXPECT_STREQ(outcome.caption, c.caption);
        if (*c.target) {
            EXPECT_EQ(FileExists(target), c.targetExistsAfter);
        }
        EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), sourceData);
        EXPECT_FALSE(FileExists(PathOf("out.h")) && c.result != ResultCompleted);
        std::error_code ignored;
        fs::remove(PathOf("out.h"), ignored);
    }
}

TEST_F(RunConversionTest, MissingSourceSaysWhy)
{
    EXPECT_EQ(Run(PathOf("missing.bin"), PathOf("out.h")).systemError, ENOENT);
}

// An existing target is replaced whole, without a question.
TEST_F(RunConversionTest, ReplacesAnExistingTarget)
{
    WriteWholeFile(PathOf("out.h"), std::string(100000, 'x'));
    ASSERT_EQ(Run(PathOf("data.bin"), PathOf("out.h")).result, ResultCompleted);
    EXPECT_EQ(ReadWholeFile(PathOf("out.h")), ReferenceOutput(sourceData, "", FormatCArray, true));
}

// A second run with the same settings writes the same file again.
TEST_F(RunConversionTest, RunsAreIndependent)
{
    settings.format = FormatAssembler;
    ASSERT_EQ(Run(PathOf("data.bin"), PathOf("a.inc")).result, ResultCompleted);
    ASSERT_EQ(Run(PathOf("data.bin"), PathOf("b.inc")).result, ResultCompleted);
    EXPECT_EQ(ReadWholeFile(PathOf("a.inc")), ReadWholeFile(PathOf("b.inc")));
}

// The engine reads into the first 1024 bytes and may put the terminator
// right behind them; the rest of the buffer is never touched.
TEST_F(RunConversionTest, ReadBufferTailIsNeverTouched)
{
    std::memset(readBuffer, 0xEE, sizeof readBuffer);
    ASSERT_EQ(Run(PathOf("data.bin"), PathOf("out.h")).result, ResultCompleted);
    for (int i = ChunkSize + 1; i < ReadBufferSize; ++i)
        ASSERT_EQ(readBuffer[i], 0xEE) << i;
}

// The target named by another path to the source itself is refused before
// anything is created, emptied or read.
TEST_F(RunConversionTest, SameFileByAnyPath)
{
    fs::create_directory(PathOf("sub"));
    std::error_code linkError;
    fs::create_hard_link(PathOf("data.bin"), PathOf("hard.bin"), linkError);
    bool haveHardLink = !linkError;
    fs::create_symlink(PathOf("data.bin"), PathOf("soft.bin"), linkError);
    bool haveSymlink = !linkError;

    std::string spellings[] = {
        folder + "/./data.bin", PathOf("sub") + "/../data.bin", "data.bin",
#ifdef _WIN32
        PathOf("DATA.BIN"),
#endif
    };
    fs::path startFolder = fs::current_path();
    fs::current_path(folder);  // so that "data.bin" is a relative path to the source
    for (const std::string& target : spellings) {
        SCOPED_TRACE(target);
        EXPECT_EQ(Run(PathOf("data.bin"), target).result, ResultSameFile);
    }
    fs::current_path(startFolder);
    if (haveHardLink) {
        EXPECT_EQ(Run(PathOf("data.bin"), PathOf("hard.bin")).result, ResultSameFile);
    }
    if (haveSymlink) {
        EXPECT_EQ(Run(PathOf("soft.bin"), PathOf("data.bin")).result, ResultSameFile);
    }
    EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), sourceData);
}

#ifndef _WIN32

// A source stream that delivers `limit` bytes and then fails with EIO.
struct FailingSource {
    size_t delivered;
    size_t limit;
};

ssize_t ReadUntilFailure(void* cookie, char* buffer, size_t size)
{
    FailingSource* source = static_cast<FailingSource*>(cookie);
    if (source->delivered >= source->limit) {
        errno = EIO;
        return -1;
    }
    size_t count = std::min(size, source->limit - source->delivered);
    std::memset(buffer, 0x5A, count);
    source->delivered += count;
    return static_cast<ssize_t>(count);
}

// A target stream that keeps only the last bytes written to it.
struct TailTarget {
    std::string tail;
};

ssize_t KeepTail(void* cookie, const char* buffer, size_t size)
{
    std::string& tail = static_cast<TailTarget*>(cookie)->tail;
    tail.append(buffer, size);
    if (tail.size() > 4096)
        tail.erase(0, tail.size() - 4096);
    return static_cast<ssize_t>(size);
}

// A read that fails, at the start of the source or in its middle, is
// reported, and the partial target is removed.
TEST_F(RunConversionTest, ReadErrorRemovesTarget)
{
    for (size_t limit : {size_t{0}, size_t{1024}, size_t{5000}}) {
        SCOPED_TRACE(limit);
        FailingSource failing = {0, limit};
        cookie_io_functions_t functions = {ReadUntilFailure, nullptr, nullptr, nullptr};
        FILE* source = fopencookie(&failing, "r", functions);
        ASSERT_NE(source, nullptr);
        settings.sourceStream = source;
        ConversionOutcome outcome = Run("cookie", PathOf("out.h"));
        std::fclose(source);
        EXPECT_EQ(outcome.result, ResultSourceUnreadable);
        EXPECT_STREQ(outcome.message, "Error Reading Source File");
        EXPECT_EQ(outcome.systemError, EIO);
        EXPECT_FALSE(FileExists(PathOf("out.h")));
    }
}

// Runs the conversion in a child process as the unprivileged user "nobody",
// so that file permissions hold even when the tests run as root.
ConversionResult RunAsNobody(const std::string& source, const std::string& target)
{
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(100);
        unsigned char buffer[ReadBufferSize];
        ConversionSettings settings = {source.c_str(), target.c_str(), "", FormatCArray, true, nullptr, nullptr};
        _exit(RunConversion(settings, buffer).result);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? static_cast<ConversionResult>(WEXITSTATUS(status)) : ResultCompleted;
}

// A source the user may not read and a target the user may not write fail
// before anything is written, and the files stay as they were.
TEST_F(RunConversionTest, PermissionsAreHonoured)
{
    if (geteuid() != 0 && getuid() != 65534)
        GTEST_SKIP() << "needs root to act as another user";
    fs::permissions(folder, fs::perms::all);  // anyone may look into the test folder
    WriteWholeFile(PathOf("secret.bin"), "secret");
    fs::permissions(PathOf("secret.bin"), fs::perms::none);
    WriteWholeFile(PathOf("readonly.h"), "keep");
    fs::permissions(PathOf("readonly.h"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(PathOf("open"));
    fs::permissions(PathOf("open"), fs::perms::all);

    EXPECT_EQ(RunAsNobody(PathOf("secret.bin"), PathOf("open/out.h")), ResultSourceUnreadable);
    EXPECT_FALSE(FileExists(PathOf("open/out.h")));
    EXPECT_EQ(RunAsNobody(PathOf("data.bin"), PathOf("readonly.h")), ResultTargetNotCreated);
    EXPECT_EQ(ReadWholeFile(PathOf("readonly.h")), "keep");
    EXPECT_EQ(RunAsNobody(PathOf("data.bin"), PathOf("open/out.h")), ResultCompleted);
    EXPECT_EQ(ReadWholeFile(PathOf("open/out.h")), ReferenceOutput(sourceData, "", FormatCArray, true));
}

// Paths as long as the main window's fields take them (255 characters).
TEST_F(RunConversionTest, LongestPaths)
{
    std::string source = folder + "/";
    while (source.size() < 200)
        source += "deep-folder/";
    fs::create_directories(source);
    std::string target = source + std::string(255 - source.size(), 't');
    source += std::string(255 - source.size(), 's');
    ASSERT_EQ(source.size(), 255u);
    WriteWholeFile(source, sourceData);
    EXPECT_EQ(Run(source, target).result, ResultCompleted);
    EXPECT_EQ(ReadWholeFile(target), ReferenceOutput(sourceData, "", FormatCArray, true));
}

// A full device fails the writes; the device itself is left alone.
TEST_F(RunConversionTest, FullDeviceIsAWriteError)
{
    ConversionOutcome outcome = Run(PathOf("data.bin"), "/dev/full");
    EXPECT_EQ(outcome.result, ResultTargetNotWritten);
    EXPECT_STREQ(outcome.message, "Error Writing Target File");
    EXPECT_STREQ(outcome.caption, "File Error");
    EXPECT_EQ(outcome.systemError, ENOSPC);
    EXPECT_TRUE(FileExists("/dev/full"));
}

// A write that fails in the middle of a regular target (here: past the
// process's file size limit) is reported and the partial target removed.
TEST_F(RunConversionTest, WriteErrorMidTargetRemovesTarget)
{
    WriteWholeFile(PathOf("big.bin"), PatternBytes(200000));
    struct rlimit original;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    struct rlimit limited = original;
    limited.rlim_cur = 300000;
    signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ConversionOutcome outcome = Run(PathOf("big.bin"), PathOf("out.h"));
    setrlimit(RLIMIT_FSIZE, &original);
    EXPECT_EQ(outcome.result, ResultTargetNotWritten);
    EXPECT_EQ(outcome.systemError, EFBIG);
    EXPECT_FALSE(FileExists(PathOf("out.h")));
}

// The byte count does not wrap past 2 GiB.
TEST_F(RunConversionTest, SizeLineBeyondTwoGiB)
{
    const off_t size = (off_t{1} << 31) + 3;
    ASSERT_EQ(truncate(PathOf("data.bin").c_str(), size), 0);  // sparse: reads as zeros
    TailTarget tail;
    cookie_io_functions_t functions = {nullptr, KeepTail, nullptr, nullptr};
    FILE* target = fopencookie(&tail, "w", functions);
    ASSERT_NE(target, nullptr);
    settings.targetStream = target;
    settings.format = FormatAssembler;
    EXPECT_EQ(Run(PathOf("data.bin"), "tail").result, ResultCompleted);
    std::fclose(target);
    const std::string ending = "0x00\r\nOutput_End:\r\nOutput_Size EQU 2147483652";
    ASSERT_GE(tail.tail.size(), ending.size());
    EXPECT_EQ(tail.tail.substr(tail.tail.size() - ending.size()), ending);
}

#endif

}  // namespace
