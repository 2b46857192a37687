#include "engine.h"

#include <cstring>

namespace {

// ",0xHH" for every byte value, padded to eight so that one unaligned 8-byte
// copy writes an element; the next element overwrites the padding.
struct ElementTable {
    char text[256][8];
};

constexpr ElementTable MakeElementTable()
{
    ElementTable table{};
    const char digits[] = "0123456789ABCDEF";
    for (int value = 0; value < 256; ++value) {
        table.text[value][0] = ',';
        table.text[value][1] = '0';
        table.text[value][2] = 'x';
        table.text[value][3] = digits[value >> 4];
        table.text[value][4] = digits[value & 15];
    }
    return table;
}

constexpr ElementTable Elements = MakeElementTable();
const int ElementLength = 5;

// Longest line: "\tdb " + 16 elements + " \r\n", plus the padding of the last copy.
const int MaxLineLength = 4 + LineWidth * ElementLength + 3 + 8;
const int ChunkTextSize = (ChunkSize / LineWidth + 1) * MaxLineLength;

char* PutElements(char* out, const unsigned char* bytes, int count)
{
    for (int i = 0; i < count; ++i) {
        std::memcpy(out, Elements.text[bytes[i]], 8);
        out += ElementLength;
    }
    return out;
}

char* PutLineEnd(char* out, bool fullLine)
{
    if (fullLine) {
        std::memcpy(out, " \r\n", 3);
        return out + 3;
    }
    std::memcpy(out, "\r\n", 2);
    return out + 2;
}

char* PutElementsOfLine(char* out, const unsigned char* bytes, int count)
{
    // The constant count of a full line lets the compiler unroll the copies.
    return count == LineWidth ? PutElements(out, bytes, LineWidth) : PutElements(out, bytes, count);
}

// C array: every element but the array's first is preceded by a comma, and
// a comma that opens an element at the start of a line stays at that start.
char* PutCArrayLine(char* out, const unsigned char* bytes, int count, bool* firstElement)
{
    char* start = out;
    out = PutElementsOfLine(out, bytes, count);
    if (*firstElement) {
        std::memmove(start, start + 1, out - start - 1);
        --out;
        *firstElement = false;
    }
    return PutLineEnd(out, count == LineWidth);
}

// Assembler: "\tdb " and the elements joined by commas.
char* PutAssemblerLine(char* out, const unsigned char* bytes, int count)
{
    std::memcpy(out, "\tdb", 3);
    out += 3;
    char* firstComma = out;
    out = PutElementsOfLine(out, bytes, count);
    *firstComma = ' ';
    return PutLineEnd(out, count == LineWidth);
}

int64_t WriteData(bool cArray, unsigned char* readBuffer, FILE* source, FILE* target, bool appendTerminator)
{
    char text[ChunkTextSize];
    bool firstElement = true;
    bool endReached = false;
    int64_t total = 0;
    int chunkCount;
    do {
        chunkCount = static_cast<int>(std::fread(readBuffer, 1, ChunkSize, source));
        if (std::ferror(source))
            break;
        // A short read met the end of the source; a source whose size is a
        // multiple of ChunkSize gets the terminator as a chunk of its own.
        if (appendTerminator && chunkCount < ChunkSize) {
            readBuffer[chunkCount++] = 0;
            endReached = true;
        }
        char* out = text;
        for (int position = 0; position < chunkCount; position += LineWidth) {
            int count = chunkCount - position < LineWidth ? chunkCount - position : LineWidth;
            out = cArray ? PutCArrayLine(out, readBuffer + position, count, &firstElement)
                         : PutAssemblerLine(out, readBuffer + position, count);
        }
        size_t length = static_cast<size_t>(out - text);
        if (length > 0 && std::fwrite(text, 1, length, target) != length)
            break;
        total += chunkCount;
    } while (!endReached && chunkCount > 0);
    return total;
}

}  // namespace

int64_t WriteCArrayData(unsigned char* readBuffer, FILE* source, FILE* target, bool appendTerminator)
{
    return WriteData(true, readBuffer, source, target, appendTerminator);
}

int64_t WriteAssemblerData(unsigned char* readBuffer, FILE* source, FILE* target, bool appendTerminator)
{
    return WriteData(false, readBuffer, source, target, appendTerminator);
}
