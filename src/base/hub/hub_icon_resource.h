#pragma once
// The hub's two icons: the program's own and the notification-area icon's pictures, shown in its windows too.
#define IDI_KOLVANE_READY 1
#define IDI_KOLVANE_STARTING 2
