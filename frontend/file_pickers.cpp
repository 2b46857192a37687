// The Open and Save As dialogs behind the two "Browse" buttons.
#include <windows.h>
#include <commdlg.h>

#include "frontend.h"
#include "resource.h"

// One record for both pickers, filled anew before each use; the fields not
// set here stay zero.
OPENFILENAMEA PickerRecord;

#ifndef _WIN64
static_assert(sizeof(OPENFILENAMEA) == 88, "the full record, reserved fields and FlagsEx included");
#endif

static const char SourceFilter[] = "All Files\0*.*\0";
static const char HeaderFilter[] = "Header Files\0*.h\0All Files\0*.*\0";
static const char IncludeFilter[] = "Include Files\0*.inc\0All Files\0*.*\0";

static void FillPickerRecord(HWND owner, const char* filter, char* path, const char* title,
                             const char* defaultExtension)
{
    PickerRecord.lStructSize = sizeof PickerRecord;
    PickerRecord.hwndOwner = owner;
    PickerRecord.lpstrFilter = filter;
    PickerRecord.lpstrCustomFilter = nullptr;
    PickerRecord.nMaxCustFilter = 0;
    PickerRecord.nFilterIndex = 1;
    PickerRecord.lpstrFile = path;
    PickerRecord.nMaxFile = PathLength;
    PickerRecord.lpstrFileTitle = nullptr;
    PickerRecord.nMaxFileTitle = 0;
    PickerRecord.lpstrInitialDir = nullptr;
    PickerRecord.lpstrTitle = title;
    PickerRecord.Flags = OFN_HIDEREADONLY;
    PickerRecord.lpstrDefExt = defaultExtension;
}

// The picker starts from the path last used; one it cannot start from (a
// typed name with characters no file may have) would keep it from opening
// at all, so it then starts empty instead.
static bool RunPicker(BOOL(WINAPI* picker)(LPOPENFILENAMEA), char* path)
{
    if (picker(&PickerRecord))
        return true;
    if (CommDlgExtendedError() != FNERR_INVALIDFILENAME)
        return false;
    path[0] = '\0';
    return picker(&PickerRecord) != 0;
}

void BrowseForSource(HWND window)
{
    FillPickerRecord(MainWindow, SourceFilter, SourcePath, "Select Source File", "*");
    if (RunPicker(GetOpenFileNameA, SourcePath))
        SetDlgItemTextA(window, IDC_SOURCE, SourcePath);
}

void BrowseForTarget(HWND window)
{
    bool cArray = Format == FormatCArray;
    FillPickerRecord(MainWindow, cArray ? HeaderFilter : IncludeFilter, TargetPath, "Select Target File",
                     cArray ? "h" : "inc");
    if (RunPicker(GetSaveFileNameA, TargetPath))
        SetDlgItemTextA(window, IDC_TARGET, TargetPath);
}
