// What the run needs to know about files beyond the C streams; the one place
// where POSIX and Windows differ.
#ifndef HEXORIN_FILES_H
#define HEXORIN_FILES_H

#include <cstdio>

// fopen, but on Windows with deny-none sharing, so that other programs may
// read or write the file meanwhile.
FILE* OpenShared(const char* path, const char* mode);

bool IsDirectory(FILE* stream);
bool IsRegularFile(FILE* stream);

// True when the regular file open as source is also what the target names:
// the already-open targetStream, or else the file at targetPath if it exists,
// whatever spelling, relative path or link leads there.
bool IsSameFile(FILE* source, FILE* targetStream, const char* targetPath);

#endif
