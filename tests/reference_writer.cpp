// The format rules written out the slow, obvious way, as the yardstick for
// the engine: one formatted write per element, chunk by chunk.
#include <cstdio>

#include "test_support.h"

namespace {

void Append(std::string& out, const char* format, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

}  // namespace

std::string ReferenceOutput(const std::string& data, const std::string& title, OutputFormat format,
                            bool appendTerminator)
{
    const size_t chunkSize = 1024;
    const size_t lineWidth = 16;
    const bool cArray = format == FormatCArray;
    const std::string name = title.empty() ? "Output" : title;
    std::string out = cArray ? "unsigned char " + name + "[] =\r\n{\r\n" : name + ":\r\n";

    bool firstElement = true;
    unsigned long long total = 0;
    size_t offset = 0;
    for (;;) {
        std::string chunk = data.substr(offset, chunkSize);
        offset += chunk.size();
        // A read meets the end when it asks for more than the source still holds.
        bool end = appendTerminator && chunk.size() < chunkSize;
        if (end)
            chunk += '\0';
        for (size_t line = 0; line < chunk.size(); line += lineWidth) {
            size_t count = std::min(lineWidth, chunk.size() - line);
            if (!cArray)
                out += "\tdb ";
            for (size_t i = 0; i < count; ++i) {
                unsigned value = static_cast<unsigned char>(chunk[line + i]);
                bool comma = cArray ? !firstElement : i > 0;
                Append(out, comma ? ",0x%02X" : "0x%02X", value);
                firstElement = false;
            }
            out += count == lineWidth ? " \r\n" : "\r\n";
        }
        total += chunk.size();
        if (end || chunk.empty())
            break;
    }
    out += cArray ? "};\r\n#define " + name + "_Size " : name + "_End:\r\n" + name + "_Size EQU ";
    out += std::to_string(total);
    return out;
}
