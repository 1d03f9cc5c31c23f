#pragma once
// Resource numbers of the input box, shared by its resource script and Win32Dialogs.
#define IDD_INPUTBOX 700
#define IDC_INPUTBOX_PROMPT 701
#define IDC_INPUTBOX_TEXT 702
