// Hexorin conversion core: turns any file into a C/C++ header or an
// assembler include that embeds its bytes. No windows, no console output;
// every failure comes back as a ConversionOutcome.
#ifndef HEXORIN_CONVERSION_H
#define HEXORIN_CONVERSION_H

#include <cstdio>

// Which text a run writes. Held in one byte; any value but FormatCArray
// means the assembler include.
enum OutputFormat : unsigned char {
    FormatAssembler = 1,
    FormatCArray = 2
};

// The buffer every run borrows: chunks of ChunkSize bytes are read into it,
// and the terminator may go right behind a chunk.
const int ReadBufferSize = 1280;

struct ConversionSettings {
    const char* sourcePath;   // empty or null: "Please select a source file"
    const char* targetPath;   // empty or null: "Please select a target file"
    const char* title;        // symbol name; empty or null means "Output"
    OutputFormat format;
    bool appendTerminator;    // one zero byte after the data
    // Already-open streams (standard input, standard output) used instead of
    // opening the paths; the run neither closes nor removes them. The paths
    // then only name them. Null for both in the dialog.
    FILE* sourceStream;
    FILE* targetStream;
};

// Every way a run can end, in the order the run can reach them.
enum ConversionResult : unsigned char {
    ResultCompleted,
    ResultNoSource,          // source path empty
    ResultNoTarget,          // target path empty
    ResultSourceUnreadable,  // source cannot be opened or read
    ResultSameFile,          // target is the source itself
    ResultTargetNotCreated,  // target cannot be created
    ResultTargetNotWritten   // a write, flush or close of the target failed
};

struct ConversionOutcome {
    ConversionResult result;
    const char* message;     // the text the user sees
    const char* caption;
    int systemError;         // errno of the failing call, 0 when none
};

// Checks the settings, opens both files, writes the whole target and closes
// both. Once the target exists, a read or write failure removes it again
// (when it is a regular file), so no truncated output is left behind.
// readBuffer must hold ReadBufferSize bytes.
ConversionOutcome RunConversion(const ConversionSettings& settings, unsigned char* readBuffer);

#endif
