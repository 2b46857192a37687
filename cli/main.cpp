// hexorin-cli: the conversion core for build scripts and terminals.
#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "conversion.h"
#include "version.h"

namespace {

const char UsageLine[] = "usage: hexorin-cli [--asm | --c] [--title NAME] [--no-terminator] SOURCE TARGET\n";

const char HelpText[] =
    "Writes SOURCE's bytes into TARGET as a C/C++ header (an unsigned char array\n"
    "and a NAME_Size macro) or as an assembler include (db lines between NAME: and\n"
    "NAME_End:, and NAME_Size EQU).\n"
    "\n"
    "  --c              C/C++ header (the default)\n"
    "  --asm            assembler include\n"
    "  --title NAME     symbol name (default: Output)\n"
    "  --no-terminator  do not append a zero byte to the data\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "SOURCE - reads standard input; TARGET - writes standard output.\n"
    "An existing TARGET is replaced. Exit status: 0 done, 1 conversion failed,\n"
    "2 wrong arguments.\n";

unsigned char ReadBuffer[ReadBufferSize];
char OutputStreamBuffer[64 * 1024];  // standard output's own buffer is small

int UsageError(const char* problem, const char* argument)
{
    std::fprintf(stderr, "hexorin-cli: %s%s\n%s", problem, argument, UsageLine);
    return 2;
}

void UseBinaryMode(FILE* stream)
{
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#else
    (void)stream;
#endif
}

void ReportFailure(const ConversionOutcome& outcome, const ConversionSettings& settings)
{
    std::fprintf(stderr, "hexorin-cli: %s", outcome.message);
    switch (outcome.result) {
    case ResultSourceUnreadable:
        std::fprintf(stderr, ": %s", settings.sourcePath);
        break;
    case ResultSameFile:
        std::fprintf(stderr, ": %s and %s", settings.sourcePath, settings.targetPath);
        break;
    case ResultTargetNotCreated:
    case ResultTargetNotWritten:
        std::fprintf(stderr, ": %s", settings.targetPath);
        break;
    default:
        break;
    }
    if (outcome.systemError != 0)
        std::fprintf(stderr, ": %s", std::strerror(outcome.systemError));
    std::fputc('\n', stderr);
}

}  // namespace

int main(int argc, char** argv)
{
    ConversionSettings settings = {};
    settings.title = "";
    settings.format = FormatCArray;
    settings.appendTerminator = true;
    const char* paths[2] = {nullptr, nullptr};
    int pathCount = 0;
    bool optionsEnded = false;

    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        bool isOption = !optionsEnded && argument[0] == '-' && argument[1] != '\0';
        if (!isOption) {
            if (pathCount == 2)
                return UsageError("unexpected argument: ", argument);
            paths[pathCount++] = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(argument, "--asm") == 0) {
            settings.format = FormatAssembler;
        } else if (std::strcmp(argument, "--c") == 0) {
            settings.format = FormatCArray;
        } else if (std::strcmp(argument, "--no-terminator") == 0) {
            settings.appendTerminator = false;
        } else if (std::strcmp(argument, "--title") == 0) {
            if (i + 1 == argc)
                return UsageError("--title needs a name", "");
            settings.title = argv[++i];
        } else if (std::strncmp(argument, "--title=", 8) == 0) {
            settings.title = argument + 8;
        } else if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::fputs(UsageLine, stdout);
            std::fputs(HelpText, stdout);
            return 0;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::puts("hexorin-cli " HEXORIN_VERSION_TEXT);
            return 0;
        } else {
            return UsageError("unknown option: ", argument);
        }
    }
    if (pathCount < 2)
        return UsageError(pathCount == 0 ? "missing SOURCE and TARGET" : "missing TARGET", "");

    settings.sourcePath = paths[0];
    settings.targetPath = paths[1];
    if (std::strcmp(paths[0], "-") == 0) {
        UseBinaryMode(stdin);
        settings.sourceStream = stdin;
        settings.sourcePath = "standard input";
    }
    if (std::strcmp(paths[1], "-") == 0) {
        UseBinaryMode(stdout);
        std::setvbuf(stdout, OutputStreamBuffer, _IOFBF, sizeof OutputStreamBuffer);
        settings.targetStream = stdout;
        settings.targetPath = "standard output";
    }

    ConversionOutcome outcome = RunConversion(settings, ReadBuffer);
    if (outcome.result != ResultCompleted) {
        ReportFailure(outcome, settings);
        return 1;
    }
    return 0;
}
