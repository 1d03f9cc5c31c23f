#pragma once
// Resource numbers of the splash window `Startup`.
#define IDD_STARTUP 100
#define IDC_STARTUP_TITLE 101
#define IDC_LNAME 102
