// The data lines of both formats. Each operation reads the source in
// ChunkSize chunks into readBuffer, appends the zero terminator after the
// read that meets the end of the source when asked to, writes the data lines
// and returns how many data bytes it wrote (the terminator included).
//
// The opening (C) or label line (assembler) must already be written; the
// closing lines are the caller's. Both stop at the first failed read or
// write: the caller tells the two apart with ferror() on each stream.
#ifndef HEXORIN_ENGINE_H
#define HEXORIN_ENGINE_H

#include <cstdint>
#include <cstdio>

const int ChunkSize = 1024;  // bytes per read; a data line never spans two chunks
const int LineWidth = 16;    // bytes per full data line

int64_t WriteCArrayData(unsigned char* readBuffer, FILE* source, FILE* target, bool appendTerminator);
int64_t WriteAssemblerData(unsigned char* readBuffer, FILE* source, FILE* target, bool appendTerminator);

#endif
