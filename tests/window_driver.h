// Drives another process's dialogs through window messages, as a person
// would with mouse and keyboard. Windows only.
#ifndef HEXORIN_WINDOW_DRIVER_H
#define HEXORIN_WINDOW_DRIVER_H

#include <windows.h>

#include <string>

const int WaitMilliseconds = 20000;  // generous: a cold Wine start can take seconds

// Starts a program; zero on failure.
HANDLE StartProgram(const std::string& path, DWORD* processId);

// A top-level dialog (class "#32770") of the process with exactly this
// caption, waited for; null when none shows up in time.
HWND WaitForDialog(DWORD processId, const char* caption, int milliseconds = WaitMilliseconds);
int CountDialogs(DWORD processId, const char* caption);
// Waits until the window is gone; false on time-out.
bool WaitForWindowToClose(HWND window, int milliseconds = WaitMilliseconds);

std::string TextOf(HWND window);
std::string ControlText(HWND dialog, int control);
void SetControlText(HWND dialog, int control, const std::string& text);
bool IsChecked(HWND dialog, int control);
void Click(HWND dialog, int control);                // posted, as a real click
void PostCommand(HWND dialog, int command);          // posted WM_COMMAND, e.g. IDOK
void PressKey(HWND dialog, int control, int key);    // WM_KEYDOWN and WM_KEYUP to a control

// Waits until the control's text becomes `text`; false on time-out.
bool WaitForControlText(HWND dialog, int control, const std::string& text);

// A message box of the process: its caption, text and whether it shows an
// icon; closed with OK when read. False when none appeared in time.
struct MessageBoxSeen {
    std::string caption;
    std::string text;
    bool hasIcon;
    HWND owner;
};
bool ReadAndCloseMessageBox(DWORD processId, const char* caption, MessageBoxSeen* seen);

// Saves the window's pixels, as the screen shows them, into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path);

#endif
