#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    ASSERT_TRUE(out.good()) << path;
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::string WindowsPath(const std::string& path)
{
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        std::string windowsPath = "Z:" + path;
        for (char& c : windowsPath) {
            if (c == '/')
                c = '\\';
        }
        return windowsPath;
    }
#endif
    return path;
}

std::string PatternBytes(size_t size)
{
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 167 + 13) & 0xFF);
    return data;
}

void PrintTo(ConversionResult result, std::ostream* out)
{
    static const char* const names[] = {"ResultCompleted",        "ResultNoSource",         "ResultNoTarget",
                                        "ResultSourceUnreadable", "ResultSameFile",         "ResultTargetNotCreated",
                                        "ResultTargetNotWritten"};
    *out << (result < sizeof names / sizeof names[0] ? names[result] : "unknown result");
}

// Removes a test folder even where a test made its contents read-only.
static void RemoveFolder(const fs::path& path)
{
    std::error_code error;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::recursive_directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error))
        fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path, error);
}

void TempFolderTest::SetUp()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("hexorin-") + test->test_suite_name() + "-" + test->name();
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    fs::path path = fs::temp_directory_path() / name;
    RemoveFolder(path);
    fs::create_directories(path);
    folder = path.string();
}

void TempFolderTest::TearDown()
{
    RemoveFolder(folder);
}

std::string TempFolderTest::PathOf(const std::string& name) const
{
    return (fs::path(folder) / name).string();
}

std::string TempFolderTest::Convert(const std::string& data, const std::string& title, OutputFormat format,
                                    bool appendTerminator)
{
    std::string source = PathOf("source.bin");
    std::string target = PathOf("target.txt");
    WriteWholeFile(source, data);
    unsigned char readBuffer[ReadBufferSize];
    ConversionSettings settings = {};
    settings.sourcePath = source.c_str();
    settings.targetPath = target.c_str();
    settings.title = title.c_str();
    settings.format = format;
    settings.appendTerminator = appendTerminator;
    ConversionOutcome outcome = RunConversion(settings, readBuffer);
    EXPECT_EQ(outcome.result, ResultCompleted) << outcome.message;
    return ReadWholeFile(target);
}
