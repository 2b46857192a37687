// The About box and its two links.
#include <windows.h>
#include <shellapi.h>

#include "frontend.h"
#include "resource.h"

// The maker's address, the one place to change it; both links are made from it.
#define MAKER_MAILBOX "norvane"
#define MAKER_DOMAIN "example.com"

static const char EmailUri[] = "mailto:" MAKER_MAILBOX "@" MAKER_DOMAIN;
static const char DonateUrl[] =
    "https://www.paypal.com/xclick/business=" MAKER_MAILBOX "%40" MAKER_DOMAIN "&item_name=Hexorin+Donation";

static const char AboutCaption[] = "About Hexorin";

void ShowAbout()
{
    // The box has no owner, so the main window stays usable; its caption is
    // what keeps a second one from opening.
    if (FindWindowA(nullptr, AboutCaption))
        return;
    DialogBoxParamA(Instance, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0);
}

static void OnCommand(HWND window, int control)
{
    switch (control) {
    case IDC_EMAIL_ME:
        ShellExecuteA(window, "open", EmailUri, nullptr, nullptr, SW_HIDE);
        break;
    case IDC_DONATE:
        ShellExecuteA(window, "open", DonateUrl, nullptr, nullptr, SW_HIDE);
        break;
    default:  // IDOK and IDCANCEL from Enter and Escape
        break;
    }
}

INT_PTR CALLBACK AboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
    case WM_DESTROY:
    case WM_QUERYENDSESSION:
        EndDialog(window, 0);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnCommand(window, LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}
