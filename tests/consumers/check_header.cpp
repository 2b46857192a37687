// Compiled with a header that hexorin-cli made from the file named on the
// command line (symbol Data); proves that the compiler sees every byte.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "data.h"

static_assert(sizeof(Data) == Data_Size, "the array and the size macro agree");

int main(int argc, char** argv)
{
    std::vector<unsigned char> expected;
    FILE* source = argc == 2 ? std::fopen(argv[1], "rb") : nullptr;
    if (!source)
        return 2;
    for (int c; (c = std::fgetc(source)) != EOF;)
        expected.push_back(static_cast<unsigned char>(c));
    std::fclose(source);
    if (HEXORIN_TERMINATOR)
        expected.push_back(0);

    if (Data_Size != expected.size() || !std::equal(expected.begin(), expected.end(), Data)) {
        std::printf("FAILED: %zu bytes embedded, %zu expected\n", static_cast<size_t>(Data_Size), expected.size());
        return 1;
    }
    std::printf("ok: %zu bytes\n", expected.size());
    return 0;
}
