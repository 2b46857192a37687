// Compiled with a header that hexorin-cli made from the file named on the
// command line (symbol Data); proves that the compiler sees every byte.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "expected_bytes.h"

#include "data.h"

static_assert(sizeof(Data) == Data_Size, "the array and the size macro agree");

int main(int argc, char** argv)
{
    std::vector<unsigned char> expected = ExpectedBytes(argc, argv);

    if (Data_Size != expected.size() || !std::equal(expected.begin(), expected.end(), Data)) {
        std::printf("FAILED: %zu bytes embedded, %zu expected\n", static_cast<size_t>(Data_Size), expected.size());
        return 1;
    }
    std::printf("ok: %zu bytes\n", expected.size());
    return 0;
}
