#pragma once
// Resource numbers shared by the resource scripts and the Win32 views.
#define IDI_KOLVANE_READY 1
#define IDI_KOLVANE_STARTING 2

// The splash window `Startup`.
#define IDD_STARTUP 100
#define IDC_STARTUP_TITLE 101
#define IDC_LNAME 102
