// Identifiers of Hexorin's resources and controls.
#ifndef HEXORIN_RESOURCE_H
#define HEXORIN_RESOURCE_H

// Labels and pictures that no code refers to
#define IDC_STATIC              (-1)

// Icon and picture
#define IDI_APP                 105
#define IDB_ABOUT_PICTURE       106

// Main window
#define IDD_MAIN                102
#define IDC_ASM_HEADERS         1000
#define IDC_CPP_HEADERS         1001
#define IDC_CREATE              1002
#define IDC_SOURCE              1003
#define IDC_TARGET              1004
#define IDC_BROWSE_SOURCE       1005
#define IDC_BROWSE_TARGET       1006
#define IDC_ABOUT               1007
#define IDC_TITLE               1008
#define IDC_APPEND_TERMINATOR   1009

// About box
#define IDD_ABOUT               103
#define IDC_EMAIL_ME            1009
#define IDC_DONATE              1010

#endif
