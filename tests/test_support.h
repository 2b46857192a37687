// Helpers shared by the tests.
#ifndef HEXORIN_TEST_SUPPORT_H
#define HEXORIN_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <string>

#include "conversion.h"

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& data);
bool FileExists(const std::string& path);

// A path of the build tree as this program must spell it: under Wine the
// Linux file system is drive Z.
std::string WindowsPath(const std::string& path);

// size bytes that run through every byte value, so every hex digit shows.
std::string PatternBytes(size_t size);

// The output the format rules define, written the plain way: one formatted
// write per element.
std::string ReferenceOutput(const std::string& data, const std::string& title, OutputFormat format,
                            bool appendTerminator);

// Results print as names in failure messages.
void PrintTo(ConversionResult result, std::ostream* out);

// A fresh, empty folder for each test, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string PathOf(const std::string& name) const;

    // Converts data through RunConversion with real files; the output text.
    std::string Convert(const std::string& data, const std::string& title, OutputFormat format,
                        bool appendTerminator);

    std::string folder;
};

#endif
