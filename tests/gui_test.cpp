// The Windows program, started for real and driven through window messages.
#include <cstring>
#include <filesystem>

#include "test_support.h"
#include "window_driver.h"

namespace fs = std::filesystem;

namespace {

const char MainCaption[] = "Norvane's Hexorin Creator Version 1.4";

// Control ids of the main window, the About box and the common file dialogs.
enum {
    AsmHeaders = 1000, CppHeaders = 1001, Create = 1002, SourceField = 1003, TargetField = 1004,
    BrowseSource = 1005, BrowseTarget = 1006, About = 1007, TitleField = 1008, Terminator = 1009,
    EmailMe = 1009, Donate = 1010,
    PickerFileName = 0x047C, PickerFilter = 0x0470, PickerReadOnly = 0x0410
};

class HexorinWindowTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        data = PatternBytes(1500);
        WriteWholeFile(PathOf("data.bin"), data);
        process = StartProgram(HEXORIN_PROGRAM_PATH, &processId);
        ASSERT_NE(process, nullptr) << "cannot start " << HEXORIN_PROGRAM_PATH;
        main = WaitForDialog(processId, MainCaption);
        ASSERT_NE(main, nullptr) << "the main window did not show";
    }

    void TearDown() override
    {
        if (process) {
            if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
                PostMessageA(main, WM_CLOSE, 0, 0);
                if (WaitForSingleObject(process, WaitMilliseconds) != WAIT_OBJECT_0) {
                    TerminateProcess(process, 99);
                    ADD_FAILURE() << "the program did not end on WM_CLOSE";
                }
            }
            CloseHandle(process);
        }
        TempFolderTest::TearDown();
    }

    // "Create!" and the message box it brings; its text.
    std::string CreateAndRead(const char* caption)
    {
        Click(main, Create);
        MessageBoxSeen seen;
        if (!ReadAndCloseMessageBox(processId, caption, &seen))
            return "no message box captioned " + std::string(caption);
        EXPECT_FALSE(seen.hasIcon);
        EXPECT_EQ(seen.owner, main);
        return seen.text;
    }

    void Fill(const std::string& source, const std::string& target, const std::string& title)
    {
        SetControlText(main, SourceField, source);
        SetControlText(main, TargetField, target);
        SetControlText(main, TitleField, title);
    }

    DWORD ExitCode()
    {
        DWORD code = 12345;
        if (WaitForSingleObject(process, WaitMilliseconds) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &code);
        return code;
    }

    std::string data;
    HANDLE process = nullptr;
    DWORD processId = 0;
    HWND main = nullptr;
};

// A fresh start: "C++ Headers" and the terminator chosen, empty fields.
TEST_F(HexorinWindowTest, StartsWithDefaults)
{
    EXPECT_TRUE(IsChecked(main, CppHeaders));
    EXPECT_FALSE(IsChecked(main, AsmHeaders));
    EXPECT_TRUE(IsChecked(main, Terminator));
    EXPECT_EQ(ControlText(main, SourceField), "");
    EXPECT_EQ(ControlText(main, TargetField), "");
    EXPECT_EQ(ControlText(main, TitleField), "");
    EXPECT_EQ(ControlText(main, Create), "Create!");
}

// Typed paths, each format and terminator setting: the file the core writes.
TEST_F(HexorinWindowTest, ConvertsTypedPaths)
{
    struct Case {
        int formatButton;
        bool terminator;
        OutputFormat format;
    } cases[] = {
        {CppHeaders, true, FormatCArray},
        {AsmHeaders, true, FormatAssembler},
        {AsmHeaders, false, FormatAssembler},
        {CppHeaders, false, FormatCArray},
    };
    bool terminatorOn = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format == FormatCArray ? "C array" : "assembler");
        Click(main, c.formatButton);
        if (c.terminator != terminatorOn) {
            Click(main, Terminator);
            terminatorOn = c.terminator;
        }
        Fill(PathOf("data.bin"), PathOf("out.txt"), "Logo");
        EXPECT_EQ(CreateAndRead("Conversion Complete"), "Data conversion is now completed!");
        EXPECT_EQ(ReadWholeFile(PathOf("out.txt")), ReferenceOutput(data, "Logo", c.format, c.terminator));
    }
}

// Clicking the chosen radio button again changes nothing, and two clicks on
// the check box leave the terminator as it was.
TEST_F(HexorinWindowTest, RadioButtonsAndCheckBoxClickedTwice)
{
    Click(main, AsmHeaders);
    Click(main, AsmHeaders);
    Click(main, Terminator);
    Click(main, Terminator);
    Fill(PathOf("data.bin"), PathOf("out.inc"), "");
    EXPECT_EQ(CreateAndRead("Conversion Complete"), "Data conversion is now completed!");
    EXPECT_EQ(ReadWholeFile(PathOf("out.inc")), ReferenceOutput(data, "", FormatAssembler, true));
    EXPECT_TRUE(IsChecked(main, AsmHeaders));
    EXPECT_TRUE(IsChecked(main, Terminator));
}

TEST_F(HexorinWindowTest, TitleIsCutAt49Characters)
{
    std::string title(60, 'T');
    title[48] = 'E';
    Fill(PathOf("data.bin"), PathOf("out.h"), title);
    EXPECT_EQ(CreateAndRead("Conversion Complete"), "Data conversion is now completed!");
    EXPECT_EQ(ReadWholeFile(PathOf("out.h")), ReferenceOutput(data, title.substr(0, 49), FormatCArray, true));
}

// Every outcome in a message box: the text, the caption, no icon, owned by
// the main window; and no target file after a failure.
TEST_F(HexorinWindowTest, EveryOutcomeInAMessageBox)
{
    fs::create_directory(PathOf("folder"));
    // A file another program holds open without sharing cannot be replaced.
    WriteWholeFile(PathOf("locked.h"), "keep");
    HANDLE locked = CreateFileA(PathOf("locked.h").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    struct Case {
        std::string source, target, text, caption;
    } cases[] = {
        {"", "", "Please select a source file", "File Error"},
        {PathOf("data.bin"), "", "Please select a target file", "File Error"},
        {PathOf("missing.bin"), PathOf("out.h"), "Error Reading Source File", "File Error"},
        {PathOf("data.bin"), PathOf("nowhere\\out.h"), "Error Creating Target File", "File Error"},
        {PathOf("data.bin"), PathOf("folder"), "Error Creating Target File", "File Error"},
        {PathOf("data.bin"), PathOf("locked.h"), "Error Creating Target File", "File Error"},
        {PathOf("data.bin"), PathOf(".\\data.bin"), "Source and target are the same file", "File Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + ": " + c.target);
        Fill(c.source, c.target, "");
        EXPECT_EQ(CreateAndRead(c.caption.c_str()), c.text);
    }
    CloseHandle(locked);
    EXPECT_FALSE(FileExists(PathOf("out.h")));
    EXPECT_EQ(ReadWholeFile(PathOf("locked.h")), "keep");
    EXPECT_EQ(ReadWholeFile(PathOf("data.bin")), data);
}

// Enter and Escape reach the window as IDOK and IDCANCEL and do nothing: the
// window is still there to answer the click posted after them.
TEST_F(HexorinWindowTest, EnterAndEscapeAreIgnored)
{
    PressKey(main, TitleField, VK_RETURN);
    PressKey(main, TitleField, VK_ESCAPE);
    PostCommand(main, IDOK);
    PostCommand(main, IDCANCEL);
    EXPECT_EQ(CreateAndRead("File Error"), "Please select a source file");
    EXPECT_TRUE(IsWindowVisible(main));
}

// Closing by the close box (WM_CLOSE), by Alt+F4 (SC_CLOSE) and at the end
// of the session ends the program with exit code 0.
TEST_F(HexorinWindowTest, ClosesWithExitCodeZero)
{
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ExitCode(), 0u);
}

TEST_F(HexorinWindowTest, EndOfSessionIsNotHeldUp)
{
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, WaitMilliseconds, &answer));
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    EXPECT_EQ(ExitCode(), 0u);
}

// An empty source field stops "Create!" before the target field is read: the
// target picker still starts from the path of the last conversion.
TEST_F(HexorinWindowTest, EmptySourceLeavesTargetPathAlone)
{
    Fill(PathOf("data.bin"), PathOf("first.h"), "");
    EXPECT_EQ(CreateAndRead("Conversion Complete"), "Data conversion is now completed!");
    Fill("", PathOf("second.h"), "");
    EXPECT_EQ(CreateAndRead("File Error"), "Please select a source file");
    Click(main, BrowseTarget);
    HWND picker = WaitForDialog(processId, "Select Target File");
    ASSERT_NE(picker, nullptr);
    std::string startName = ControlText(picker, PickerFileName);
    PostCommand(picker, IDCANCEL);
    EXPECT_TRUE(WaitForWindowToClose(picker));
    EXPECT_EQ(startName, "first.h");
}

// The Open dialog: its title and filter, no read-only box; a chosen name
// (existing or not) lands in the field, a cancel changes nothing.
TEST_F(HexorinWindowTest, SourcePicker)
{
    Click(main, BrowseSource);
    HWND picker = WaitForDialog(processId, "Select Source File");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(ControlText(picker, PickerFilter), "All Files");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(picker, PickerReadOnly)));
    SetControlText(picker, PickerFileName, PathOf("data.bin"));
    PostCommand(picker, IDOK);
    EXPECT_TRUE(WaitForControlText(main, SourceField, PathOf("data.bin")));
    EXPECT_TRUE(WaitForWindowToClose(picker));

    Click(main, BrowseSource);
    picker = WaitForDialog(processId, "Select Source File");
    ASSERT_NE(picker, nullptr);
    SetControlText(picker, PickerFileName, PathOf("other.bin"));
    PostCommand(picker, IDCANCEL);
    EXPECT_TRUE(WaitForWindowToClose(picker));
    EXPECT_EQ(ControlText(main, SourceField), PathOf("data.bin"));

    Click(main, BrowseSource);
    picker = WaitForDialog(processId, "Select Source File");
    ASSERT_NE(picker, nullptr);
    SetControlText(picker, PickerFileName, PathOf("missing.bin"));
    PostCommand(picker, IDOK);
    EXPECT_TRUE(WaitForControlText(main, SourceField, PathOf("missing.bin")));
    SetControlText(main, TargetField, PathOf("out.h"));
    EXPECT_EQ(CreateAndRead("File Error"), "Error Reading Source File");
}

// The Save As dialog takes its filter and default extension from the format
// chosen at the moment of the click, and replaces a file without asking.
TEST_F(HexorinWindowTest, TargetPickerFollowsTheFormat)
{
    struct Case {
        int formatButton;
        const char* filter;
        const char* chosen;
        const char* expected;
    } cases[] = {
        {CppHeaders, "Header Files", "logo", "logo.h"},
        {AsmHeaders, "Include Files", "logo", "logo.inc"},
        {CppHeaders, "Header Files", "data.bin", "data.bin"},  // exists: no question asked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        Click(main, c.formatButton);
        Click(main, BrowseTarget);
        HWND picker = WaitForDialog(processId, "Select Target File");
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(ControlText(picker, PickerFilter), c.filter);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(picker, PickerReadOnly)));
        SetControlText(picker, PickerFileName, PathOf(c.chosen));
        PostCommand(picker, IDOK);
        EXPECT_TRUE(WaitForControlText(main, TargetField, PathOf(c.expected)));
        EXPECT_TRUE(WaitForWindowToClose(picker));
    }
}

// One About box at a time; Enter and Escape leave it open; the main window
// converts while it is open; its close box closes it.
TEST_F(HexorinWindowTest, AboutBox)
{
    Click(main, About);
    HWND about = WaitForDialog(processId, "About Hexorin");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
    Click(main, About);
    PressKey(about, EmailMe, VK_ESCAPE);
    PressKey(about, Donate, VK_RETURN);
    PostCommand(about, IDOK);
    PostCommand(about, IDCANCEL);
    // The conversion's message box shows after the clicks and keys above were handled.
    Fill(PathOf("data.bin"), PathOf("out.h"), "");
    EXPECT_EQ(CreateAndRead("Conversion Complete"), "Data conversion is now completed!");
    EXPECT_EQ(CountDialogs(processId, "About Hexorin"), 1);
    EXPECT_TRUE(IsWindowVisible(about));

    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForWindowToClose(about));
    EXPECT_TRUE(IsWindowVisible(main));
}

// Any window captioned "About Hexorin" keeps the box from opening.
TEST_F(HexorinWindowTest, AboutBoxSuppressedByAnyWindowOfThatCaption)
{
    HWND stranger = CreateWindowA("STATIC", "About Hexorin", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                  nullptr);
    ASSERT_NE(stranger, nullptr);
    Click(main, About);
    EXPECT_EQ(CreateAndRead("File Error"), "Please select a source file");
    EXPECT_EQ(CountDialogs(processId, "About Hexorin"), 0);
    DestroyWindow(stranger);
}

// "Email Me" and "Donate" hand their links to the shell, hidden; the
// programs registered for mailto: and https: in this Wine prefix record them.
TEST_F(HexorinWindowTest, AboutButtonsReachTheShell)
{
    std::string record = PathOf("links.txt");
    std::string command = "\"" + WindowsPath(HEXORIN_URI_RECORDER_PATH) + "\" \"" + record + "\" \"%1\"";
    for (const char* scheme : {"mailto", "https"}) {
        std::string key = std::string(scheme) + "\\shell\\open\\command";
        ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, command.c_str(),
                               static_cast<DWORD>(command.size())),
                  ERROR_SUCCESS);
    }
    Click(main, About);
    HWND about = WaitForDialog(processId, "About Hexorin");
    ASSERT_NE(about, nullptr);
    Click(about, EmailMe);
    Click(about, Donate);
    const std::string expected =
        "mailto:norvane@example.com 0\n"
        "https://www.paypal.com/xclick/business=norvane%40example.com&item_name=Hexorin+Donation 0\n";
    for (int waited = 0; waited < WaitMilliseconds && ReadWholeFile(record).size() < expected.size(); waited += 50)
        Sleep(50);
    EXPECT_EQ(ReadWholeFile(record), expected);
    EXPECT_TRUE(IsWindowVisible(about));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForWindowToClose(about));
}

}  // namespace
