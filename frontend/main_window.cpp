// Program start and the main window.
#include <windows.h>
#include <commctrl.h>

#include "frontend.h"
#include "resource.h"

HINSTANCE Instance;
HWND MainWindow;
OutputFormat Format = FormatCArray;
char SourcePath[PathLength];
char TargetPath[PathLength];

static char TitleText[TitleLength];
static bool AppendTerminator;
static unsigned char* ReadBuffer;  // taken once at start, left to the end of the process

static void OnInitDialog(HWND window)
{
    AppendTerminator = true;
    CheckDlgButton(window, IDC_APPEND_TERMINATOR, BST_CHECKED);
    MainWindow = window;
    CheckDlgButton(window, Format == FormatCArray ? IDC_CPP_HEADERS : IDC_ASM_HEADERS, BST_CHECKED);
    // A path cut short by the buffer could name another file: refuse to take more.
    SendDlgItemMessageA(window, IDC_SOURCE, EM_LIMITTEXT, PathLength - 1, 0);
    SendDlgItemMessageA(window, IDC_TARGET, EM_LIMITTEXT, PathLength - 1, 0);
}

// "Create!": the fields are read in the order the run checks them, so an
// empty source field leaves TargetPath as it was.
static void OnCreate(HWND window)
{
    if (GetDlgItemTextA(window, IDC_SOURCE, SourcePath, PathLength) > 0 &&
        GetDlgItemTextA(window, IDC_TARGET, TargetPath, PathLength) > 0)
        GetDlgItemTextA(window, IDC_TITLE, TitleText, TitleLength);

    ConversionSettings settings = {SourcePath, TargetPath, TitleText, Format, AppendTerminator, nullptr, nullptr};
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    ConversionOutcome outcome = RunConversion(settings, ReadBuffer);
    SetCursor(previous);
    MessageBoxA(MainWindow, outcome.message, outcome.caption, MB_OK);
}

static void OnCommand(HWND window, int control)
{
    switch (control) {
    case IDC_ASM_HEADERS:
        Format = FormatAssembler;
        break;
    case IDC_CPP_HEADERS:
        Format = FormatCArray;
        break;
    case IDC_CREATE:
        OnCreate(window);
        break;
    case IDC_BROWSE_SOURCE:
        BrowseForSource(window);
        break;
    case IDC_BROWSE_TARGET:
        BrowseForTarget(window);
        break;
    case IDC_ABOUT:
        ShowAbout();
        break;
    case IDC_APPEND_TERMINATOR:
        AppendTerminator = !AppendTerminator;
        break;
    default:  // the fields, and IDOK and IDCANCEL from Enter and Escape
        break;
    }
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(window);
        return TRUE;  // the focus goes to the first tab stop, "Create!"
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(window, LOWORD(wParam));
        return FALSE;
    case WM_QUERYENDSESSION:
        SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);  // never hold up the end of a session
        PostQuitMessage(0);
        return TRUE;
    case WM_CLOSE:
    case WM_DESTROY:
        PostQuitMessage(0);  // ends the modal loop
        return TRUE;
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ReadBuffer = static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), 0, ReadBufferSize));
    if (!ReadBuffer) {
        MessageBoxA(nullptr, "Insufficient memory to proceed!", "Out of Memory", MB_ICONERROR);
        return 1;
    }
    Instance = instance;
    // The manifest asks for the themed controls of version 6.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(Instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    return 0;
}
