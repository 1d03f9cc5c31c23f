#pragma once
// Resource numbers shared by the resource scripts and the Win32 views.
#define IDI_KOLVANE_READY 1
#define IDI_KOLVANE_STARTING 2

// The splash window `Startup`.
#define IDD_STARTUP 100
#define IDC_STARTUP_TITLE 101
#define IDC_LNAME 102

// The access prompt `passwort`.
#define IDD_PASSWORT 200
#define IDC_PASSWORT_LABEL3 201
#define IDC_PASSWORT_LABEL4 202
#define IDC_PASSWORT_LABEL5 203
#define IDC_PASSWORT_TEXT1 204
#define IDC_PASSWORT_TEXT2 205
#define IDC_PASSWORT_BVORDERGRUND 206
#define IDC_PASSWORT_BHILFE 207

// The change dialog `Kennwort`.
#define IDD_KENNWORT 220
#define IDC_KENNWORT_TKENNWORT 221
#define IDC_KENNWORT_TBESTAETIGUNG 222

// The about box `Informationen`.
#define IDD_INFORMATIONEN 300
#define IDC_INFORMATIONEN_PRODUCT 301
#define IDC_INFORMATIONEN_VERSION 302
#define IDC_INFORMATIONEN_ADDRESS 303

// The pictures of the popup menu's entries: this number plus the picture's number in the menu.
#define IDI_MENU_PICTURES 1000
