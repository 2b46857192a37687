// Prints the size and a checksum of the text embedded at build time.
#include <cstdio>

#include "hello-world.txt.h"

int main()
{
    unsigned long checksum = 2166136261u;  // FNV-1a, 32 bits
    for (unsigned i = 0; i < hello_world_txt_Size; ++i)
        checksum = ((checksum ^ hello_world_txt[i]) * 16777619u) & 0xFFFFFFFFu;
    std::printf("hello-world.txt: %u bytes with the terminator, checksum %08lx\n",
                static_cast<unsigned>(hello_world_txt_Size), checksum);
    std::printf("%s", reinterpret_cast<const char*>(hello_world_txt));
    return 0;
}
