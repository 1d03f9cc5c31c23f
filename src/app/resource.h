#pragma once
// Resource numbers shared by the resource script and the Win32 views.
#define IDI_KOLVANE_READY 1
#define IDI_KOLVANE_STARTING 2
