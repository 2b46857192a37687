// Differential fuzz target: random sources, titles, formats and terminator
// settings go through RunConversion, and every output byte must match the
// plain reference writer of the tests.
//
// Input layout: flags, title length, title bytes, then the source. Flags:
// bit 0 C array (else the format value is flags >> 4, any of which but 2
// means assembler), bit 1 terminator, bit 2 "the source is the rest
// repeated up to a 16-bit length given by its first two bytes", which
// reaches the 1024-byte chunk boundaries cheaply.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "conversion.h"
#include "test_support.h"

static std::string SourceOf(const uint8_t* data, size_t size, bool repeated)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!repeated || size < 2)
        return bytes;
    size_t length = (data[0] | data[1] << 8) % 8192;
    std::string pattern = bytes.substr(2);
    std::string source;
    while (source.size() < length)
        source += pattern.empty() ? std::string(1, '\0') : pattern;
    return source.substr(0, length);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    uint8_t flags = data[0];
    size_t titleLength = data[1] % 50;
    if (size < 2 + titleLength)
        return 0;
    std::string title(reinterpret_cast<const char*>(data + 2), titleLength);
    for (char& c : title) {
        if (c == '\0')  // the title is a C string
            c = '_';
    }
    std::string source = SourceOf(data + 2 + titleLength, size - 2 - titleLength, flags & 4);
    OutputFormat format = (flags & 1) ? FormatCArray : static_cast<OutputFormat>(flags >> 4);
    bool terminator = flags & 2;

    FILE* in = source.empty() ? std::fopen("/dev/null", "rb") : fmemopen(&source[0], source.size(), "rb");
    char* text = nullptr;
    size_t textSize = 0;
    FILE* out = open_memstream(&text, &textSize);
    if (!in || !out)
        std::abort();
    unsigned char readBuffer[ReadBufferSize];
    ConversionSettings settings = {"source", "target", title.c_str(), format, terminator, in, out};
    ConversionOutcome outcome = RunConversion(settings, readBuffer);
    std::fclose(in);
    std::fclose(out);
    std::string output(text, textSize);
    std::free(text);

    if (outcome.result != ResultCompleted || output != ReferenceOutput(source, title, format, terminator)) {
        std::fprintf(stderr, "mismatch: %zu source bytes, title of %zu, format %d, terminator %d\n",
                     source.size(), title.size(), static_cast<int>(format), static_cast<int>(terminator));
        std::abort();
    }
    return 0;
}
