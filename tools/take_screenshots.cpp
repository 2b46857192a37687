// Starts the Windows program, fills in an example, and saves pictures of the
// main window and of the About box as BMP files into the folder given.
#include <string>

#include "window_driver.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::string folder = std::string(argv[1]) + "\\";
    DWORD processId = 0;
    HANDLE process = StartProgram(HEXORIN_PROGRAM_PATH, &processId);
    if (!process)
        return 1;
    HWND main = WaitForDialog(processId, "Norvane's Hexorin Creator Version 1.4");
    bool saved = false;
    if (main) {
        SetControlText(main, 1003, "C:\\Projects\\Game\\data\\logo.png");
        SetControlText(main, 1004, "C:\\Projects\\Game\\src\\logo.h");
        SetControlText(main, 1008, "Logo");
        Sleep(500);  // let the window paint the new texts
        saved = SaveWindowPicture(main, folder + "main-window.bmp");
        Click(main, 1007);
        HWND about = WaitForDialog(processId, "About Hexorin");
        if (about) {
            Sleep(500);
            saved = SaveWindowPicture(about, folder + "about-box.bmp") && saved;
            PostMessageA(about, WM_CLOSE, 0, 0);
            WaitForWindowToClose(about);
        } else {
            saved = false;
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process, WaitMilliseconds) != WAIT_OBJECT_0)
        TerminateProcess(process, 1);
    CloseHandle(process);
    return saved ? 0 : 1;
}
