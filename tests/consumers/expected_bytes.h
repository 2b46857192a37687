// What a consumer must find embedded: the bytes of the file named on its
// command line, and the zero terminator when it was asked for.
#ifndef HEXORIN_EXPECTED_BYTES_H
#define HEXORIN_EXPECTED_BYTES_H

#include <cstdio>
#include <cstdlib>
#include <vector>

inline std::vector<unsigned char> ExpectedBytes(int argc, char** argv)
{
    std::vector<unsigned char> expected;
    FILE* source = argc == 2 ? std::fopen(argv[1], "rb") : nullptr;
    if (!source) {
        std::printf("FAILED: cannot read the data file\n");
        std::exit(2);
    }
    for (int c; (c = std::fgetc(source)) != EOF;)
        expected.push_back(static_cast<unsigned char>(c));
    std::fclose(source);
    if (HEXORIN_TERMINATOR)
        expected.push_back(0);
    return expected;
}

#endif
