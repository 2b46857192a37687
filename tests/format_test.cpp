// The exact bytes of both output formats.
#include "test_support.h"

namespace {

std::string Bytes0To19()
{
    std::string data;
    for (int i = 0; i < 20; ++i)
        data += static_cast<char>(i);
    return data;
}

class OutputFormatTest : public TempFolderTest {};

// The worked example: 20 bytes 00..13, terminator on, so 21 data bytes.
TEST_F(OutputFormatTest, WorkedExample)
{
    EXPECT_EQ(Convert(Bytes0To19(), "", FormatCArray, true),
              "unsigned char Output[] =\r\n"
              "{\r\n"
              "0x00,0x01,0x02,0x03,0x04,0x05,0x06,0x07,0x08,0x09,0x0A,0x0B,0x0C,0x0D,0x0E,0x0F \r\n"
              ",0x10,0x11,0x12,0x13,0x00\r\n"
              "};\r\n"
              "#define Output_Size 21");
    EXPECT_EQ(Convert(Bytes0To19(), "", FormatAssembler, true),
              "Output:\r\n"
              "\tdb 0x00,0x01,0x02,0x03,0x04,0x05,0x06,0x07,0x08,0x09,0x0A,0x0B,0x0C,0x0D,0x0E,0x0F \r\n"
              "\tdb 0x10,0x11,0x12,0x13,0x00\r\n"
              "Output_End:\r\n"
              "Output_Size EQU 21");
}

// An empty source gives no data line, or one holding only the terminator.
TEST_F(OutputFormatTest, EmptySource)
{
    EXPECT_EQ(Convert("", "", FormatCArray, false), "unsigned char Output[] =\r\n{\r\n};\r\n#define Output_Size 0");
    EXPECT_EQ(Convert("", "", FormatAssembler, false), "Output:\r\nOutput_End:\r\nOutput_Size EQU 0");
    EXPECT_EQ(Convert("", "", FormatCArray, true),
              "unsigned char Output[] =\r\n{\r\n0x00\r\n};\r\n#define Output_Size 1");
    EXPECT_EQ(Convert("", "", FormatAssembler, true), "Output:\r\n\tdb 0x00\r\nOutput_End:\r\nOutput_Size EQU 1");
}

// Any format value but FormatCArray writes the assembler include.
TEST_F(OutputFormatTest, UnknownFormatValueIsAssembler)
{
    EXPECT_EQ(Convert("\xAB", "T", static_cast<OutputFormat>(7), false), "T:\r\n\tdb 0xAB\r\nT_End:\r\nT_Size EQU 1");
}

// The title goes in unchanged: spaces, printf directives, quotes and bytes
// above 127 alike, and any length the caller gives.
TEST_F(OutputFormatTest, TitleIsInsertedUnchanged)
{
    const std::string titles[] = {"A", std::string(49, 'x'), std::string(50, 'y'), "my data", "100%s%n%d%%",
                                  "\"q\" 'r'", "\xE9t\xE9\xFF"};
    for (const std::string& title : titles) {
        SCOPED_TRACE(title);
        EXPECT_EQ(Convert("\x01", title, FormatCArray, false),
                  "unsigned char " + title + "[] =\r\n{\r\n0x01\r\n};\r\n#define " + title + "_Size 1");
        EXPECT_EQ(Convert("\x01", title, FormatAssembler, false),
                  title + ":\r\n\tdb 0x01\r\n" + title + "_End:\r\n" + title + "_Size EQU 1");
    }
}

struct BoundaryCase {
    size_t size;
    bool terminator;
    OutputFormat format;
    const char* lastDataLine;  // the text between the last "\r\n" pair before the closing lines
    int fullLines;
};

class ChunkBoundaryTest : public TempFolderTest, public ::testing::WithParamInterface<BoundaryCase> {};

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Around every line and chunk boundary: the same bytes as the plain reference
// writer, the right count of full lines, the right last data line and size.
TEST_P(ChunkBoundaryTest, MatchesTheFormatRules)
{
    const BoundaryCase& c = GetParam();
    std::string data = PatternBytes(c.size);
    std::string output = Convert(data, "Data", c.format, c.terminator);
    EXPECT_EQ(output, ReferenceOutput(data, "Data", c.format, c.terminator));

    EXPECT_EQ(CountOf(output, " \r\n"), c.fullLines);
    std::string closing = c.format == FormatCArray ? "\r\n};\r\n" : "\r\nData_End:\r\n";
    size_t end = output.rfind(closing);
    ASSERT_NE(end, std::string::npos);
    size_t start = output.rfind("\r\n", end - 1) + 2;
    EXPECT_EQ(output.substr(start, end - start), c.lastDataLine);

    std::string sizeLine = (c.format == FormatCArray ? "#define Data_Size " : "Data_Size EQU ") +
                           std::to_string(c.size + (c.terminator ? 1 : 0));
    EXPECT_EQ(output.substr(output.size() - sizeLine.size()), sizeLine);
}

// Byte i of PatternBytes is (i * 167 + 13) mod 256, so its cycle is 256 bytes long.
INSTANTIATE_TEST_SUITE_P(
    Sizes, ChunkBoundaryTest,
    ::testing::Values(
        BoundaryCase{1, false, FormatCArray, "0x0D", 0}, BoundaryCase{1, true, FormatAssembler, "\tdb 0x0D,0x00", 0},
        BoundaryCase{15, true, FormatCArray,
                     "0x0D,0xB4,0x5B,0x02,0xA9,0x50,0xF7,0x9E,0x45,0xEC,0x93,0x3A,0xE1,0x88,0x2F,0x00 ", 1},
        BoundaryCase{15, false, FormatAssembler,
                     "\tdb 0x0D,0xB4,0x5B,0x02,0xA9,0x50,0xF7,0x9E,0x45,0xEC,0x93,0x3A,0xE1,0x88,0x2F", 0},
        BoundaryCase{16, true, FormatCArray, ",0x00", 1}, BoundaryCase{16, true, FormatAssembler, "\tdb 0x00", 1},
        BoundaryCase{16, false, FormatCArray,
                     "0x0D,0xB4,0x5B,0x02,0xA9,0x50,0xF7,0x9E,0x45,0xEC,0x93,0x3A,0xE1,0x88,0x2F,0xD6 ", 1},
        BoundaryCase{17, false, FormatCArray, ",0x7D", 1}, BoundaryCase{17, true, FormatAssembler, "\tdb 0x7D,0x00", 1},
        BoundaryCase{1000, false, FormatCArray, ",0x2D,0xD4,0x7B,0x22,0xC9,0x70,0x17,0xBE", 62},
        BoundaryCase{1000, true, FormatAssembler, "\tdb 0x2D,0xD4,0x7B,0x22,0xC9,0x70,0x17,0xBE,0x00", 62},
        BoundaryCase{1023, true, FormatCArray,
                     ",0x9D,0x44,0xEB,0x92,0x39,0xE0,0x87,0x2E,0xD5,0x7C,0x23,0xCA,0x71,0x18,0xBF,0x00 ", 64},
        BoundaryCase{1024, true, FormatCArray, ",0x00", 64}, BoundaryCase{1024, true, FormatAssembler, "\tdb 0x00", 64},
        BoundaryCase{1024, false, FormatAssembler,
                     "\tdb 0x9D,0x44,0xEB,0x92,0x39,0xE0,0x87,0x2E,0xD5,0x7C,0x23,0xCA,0x71,0x18,0xBF,0x66 ", 64},
        BoundaryCase{1025, true, FormatCArray, ",0x0D,0x00", 64}, BoundaryCase{1025, false, FormatAssembler, "\tdb 0x0D", 64},
        BoundaryCase{1040, true, FormatCArray, ",0x00", 65}, BoundaryCase{1040, false, FormatAssembler,
                     "\tdb 0x0D,0xB4,0x5B,0x02,0xA9,0x50,0xF7,0x9E,0x45,0xEC,0x93,0x3A,0xE1,0x88,0x2F,0xD6 ", 65},
        BoundaryCase{2048, true, FormatAssembler, "\tdb 0x00", 128}),
    [](const ::testing::TestParamInfo<BoundaryCase>& info) {
        const BoundaryCase& c = info.param;
        return std::string(c.format == FormatCArray ? "CArray" : "Assembler") + std::to_string(c.size) +
               (c.terminator ? "WithTerminator" : "");
    });

}  // namespace
