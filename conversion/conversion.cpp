#include "conversion.h"

#include <cerrno>
#include <cstdint>

#include "engine.h"
#include "files.h"

namespace {

struct OutcomeText {
    const char* message;
    const char* caption;
};

// Indexed by ConversionResult.
const OutcomeText OutcomeTexts[] = {
    {"Data conversion is now completed!", "Conversion Complete"},
    {"Please select a source file", "File Error"},
    {"Please select a target file", "File Error"},
    {"Error Reading Source File", "File Error"},
    {"Source and target are the same file", "File Error"},
    {"Error Creating Target File", "File Error"},
    {"Error Writing Target File", "File Error"},
};

// Large stream buffers turn the engine's small reads and writes into few
// system calls. The run is single-threaded, so one pair serves every run.
const size_t StreamBufferSize = 64 * 1024;
char SourceStreamBuffer[StreamBufferSize];
char TargetStreamBuffer[StreamBufferSize];

bool IsEmpty(const char* text)
{
    return text == nullptr || text[0] == '\0';
}

ConversionOutcome OutcomeOf(ConversionResult result, int systemError = 0)
{
    ConversionOutcome outcome = {result, OutcomeTexts[result].message, OutcomeTexts[result].caption, systemError};
    return outcome;
}

void PutCount(FILE* target, int64_t count)
{
    char digits[24];
    char* out = digits + sizeof digits;
    *--out = '\0';
    uint64_t rest = static_cast<uint64_t>(count);
    do {
        *--out = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    std::fputs(out, target);
}

// Writes the whole target text. Returns ResultCompleted, or the first read or
// write failure with its errno in *systemError.
ConversionResult WriteTarget(const char* title, OutputFormat format, bool appendTerminator, FILE* source,
                             FILE* target, unsigned char* readBuffer, int* systemError)
{
    bool cArray = format == FormatCArray;
    errno = 0;
    if (cArray) {
        std::fputs("unsigned char ", target);
        std::fputs(title, target);
        std::fputs("[] =\r\n{\r\n", target);
    } else {
        std::fputs(title, target);
        std::fputs(":\r\n", target);
    }
    int64_t total = 0;
    if (!std::ferror(target)) {
        total = cArray ? WriteCArrayData(readBuffer, source, target, appendTerminator)
                       : WriteAssemblerData(readBuffer, source, target, appendTerminator);
    }
    if (std::ferror(source)) {
        *systemError = errno;
        return ResultSourceUnreadable;
    }
    if (!std::ferror(target)) {
        if (cArray) {
            std::fputs("};\r\n#define ", target);
            std::fputs(title, target);
            std::fputs("_Size ", target);
        } else {
            std::fputs(title, target);
            std::fputs("_End:\r\n", target);
            std::fputs(title, target);
            std::fputs("_Size EQU ", target);
        }
        PutCount(target, total);
    }
    if (std::ferror(target) || std::fflush(target) != 0) {
        *systemError = errno;
        return ResultTargetNotWritten;
    }
    return ResultCompleted;
}

}  // namespace

ConversionOutcome RunConversion(const ConversionSettings& settings, unsigned char* readBuffer)
{
    if (!settings.sourceStream && IsEmpty(settings.sourcePath))
        return OutcomeOf(ResultNoSource);
    if (!settings.targetStream && IsEmpty(settings.targetPath))
        return OutcomeOf(ResultNoTarget);

    FILE* source = settings.sourceStream;
    if (!source) {
        source = OpenShared(settings.sourcePath, "rb");
        if (!source)
            return OutcomeOf(ResultSourceUnreadable, errno);
        // Opening a directory succeeds on POSIX systems; reading it does not.
        if (IsDirectory(source)) {
            std::fclose(source);
            return OutcomeOf(ResultSourceUnreadable, EISDIR);
        }
        std::setvbuf(source, SourceStreamBuffer, _IOFBF, StreamBufferSize);
    }

    // Creating the target would empty the source before a byte is read.
    if (IsSameFile(source, settings.targetStream, settings.targetPath)) {
        if (source != settings.sourceStream)
            std::fclose(source);
        return OutcomeOf(ResultSameFile);
    }

    FILE* target = settings.targetStream;
    if (!target) {
        target = OpenShared(settings.targetPath, "wb+");
        if (!target) {
            int error = errno;
            if (source != settings.sourceStream)
                std::fclose(source);
            return OutcomeOf(ResultTargetNotCreated, error);
        }
        std::setvbuf(target, TargetStreamBuffer, _IOFBF, StreamBufferSize);
    }

    const char* title = IsEmpty(settings.title) ? "Output" : settings.title;
    int systemError = 0;
    ConversionResult result =
        WriteTarget(title, settings.format, settings.appendTerminator, source, target, readBuffer, &systemError);

    if (source != settings.sourceStream)
        std::fclose(source);
    if (target != settings.targetStream) {
        bool removable = IsRegularFile(target);
        if (std::fclose(target) != 0 && result == ResultCompleted) {
            result = ResultTargetNotWritten;
            systemError = errno;
        }
        // Leave no truncated file behind that a build could take for a good one.
        if (result != ResultCompleted && removable)
            std::remove(settings.targetPath);
    }
    return OutcomeOf(result, systemError);
}
