// Linked with an object that NASM assembled from an include hexorin-cli made
// (symbols Data and Data_End, size Data_Size); proves that the assembler
// laid down every byte and the right size.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "expected_bytes.h"

extern "C" unsigned char Data[];
extern "C" unsigned char Data_End[];
extern "C" unsigned long long DataSizeConstant;

int main(int argc, char** argv)
{
    std::vector<unsigned char> expected = ExpectedBytes(argc, argv);

    size_t between = static_cast<size_t>(Data_End - Data);
    if (between != expected.size() || DataSizeConstant != expected.size() ||
        !std::equal(expected.begin(), expected.end(), Data)) {
        std::printf("FAILED: %zu bytes between the labels, size %llu, %zu expected\n", between, DataSizeConstant,
                    expected.size());
        return 1;
    }
    std::printf("ok: %zu bytes\n", expected.size());
    return 0;
}
