#include "window_driver.h"

#include "test_support.h"

#include <cstdio>
#include <vector>

HANDLE StartProgram(const std::string& path, DWORD* processId)
{
    std::string commandLine = "\"" + WindowsPath(path) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return nullptr;
    CloseHandle(process.hThread);
    *processId = process.dwProcessId;
    return process.hProcess;
}

struct DialogSearch {
    DWORD processId;
    const char* caption;
    HWND found;
    int count;
};

static BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "", caption[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && lstrcmpA(className, "#32770") == 0 && lstrcmpA(caption, search->caption) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        ++search->count;
    }
    return TRUE;
}

static HWND FindDialog(DWORD processId, const char* caption)
{
    DialogSearch search = {processId, caption, nullptr, 0};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountDialogs(DWORD processId, const char* caption)
{
    DialogSearch search = {processId, caption, nullptr, 0};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

HWND WaitForDialog(DWORD processId, const char* caption, int milliseconds)
{
    for (int waited = 0; waited <= milliseconds; waited += 20) {
        if (HWND window = FindDialog(processId, caption))
            return window;
        Sleep(20);
    }
    return nullptr;
}

bool WaitForWindowToClose(HWND window, int milliseconds)
{
    for (int waited = 0; waited <= milliseconds; waited += 20) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(20);
    }
    return false;
}

std::string TextOf(HWND window)
{
    char text[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        WaitMilliseconds, &length);
    return text;
}

std::string ControlText(HWND dialog, int control)
{
    return TextOf(GetDlgItem(dialog, control));
}

void SetControlText(HWND dialog, int control, const std::string& text)
{
    SendMessageTimeoutA(GetDlgItem(dialog, control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, WaitMilliseconds, nullptr);
}

bool IsChecked(HWND dialog, int control)
{
    DWORD_PTR state = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, control), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, WaitMilliseconds, &state);
    return state == BST_CHECKED;
}

void Click(HWND dialog, int control)
{
    PostMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0);
}

void PostCommand(HWND dialog, int command)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
}

void PressKey(HWND dialog, int control, int key)
{
    HWND target = GetDlgItem(dialog, control);
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

bool WaitForControlText(HWND dialog, int control, const std::string& text)
{
    for (int waited = 0; waited <= WaitMilliseconds; waited += 20) {
        if (ControlText(dialog, control) == text)
            return true;
        Sleep(20);
    }
    return false;
}

bool ReadAndCloseMessageBox(DWORD processId, const char* caption, MessageBoxSeen* seen)
{
    HWND box = WaitForDialog(processId, caption);
    if (!box)
        return false;
    seen->caption = TextOf(box);
    seen->text = ControlText(box, 0xFFFF);
    // The icon's place is there in every box; only a box with an icon fills it.
    DWORD_PTR icon = 0;
    SendMessageTimeoutA(GetDlgItem(box, 0x0440), STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, WaitMilliseconds, &icon);
    seen->hasIcon = icon != 0;
    seen->owner = GetWindow(box, GW_OWNER);
    PostCommand(box, IDOK);
    return WaitForWindowToClose(box);
}

bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    int rowBytes = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(rowBytes) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&header, sizeof header, 1, out) == 1 &&
                   std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    return std::fclose(out) == 0 && written;
}
