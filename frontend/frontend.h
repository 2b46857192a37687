// What the main window, the file pickers and the About box share.
#ifndef HEXORIN_FRONTEND_H
#define HEXORIN_FRONTEND_H

#include <windows.h>

#include "conversion.h"

const int PathLength = 256;   // 255 characters and the terminating zero
const int TitleLength = 50;   // 49 characters and the terminating zero

extern HINSTANCE Instance;    // for loading the dialog templates
extern HWND MainWindow;       // owns every message box and both pickers
extern OutputFormat Format;   // chosen with the radio buttons
extern char SourcePath[PathLength];
extern char TargetPath[PathLength];

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The "Browse" buttons: on success the chosen path is in SourcePath or
// TargetPath and in the field beside the button; a cancel changes nothing.
void BrowseForSource(HWND window);
void BrowseForTarget(HWND window);

// Opens the About box unless one is open already; returns when it closes.
void ShowAbout();
INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
