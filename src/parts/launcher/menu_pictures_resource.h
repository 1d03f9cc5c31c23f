#pragma once
// The pictures of the popup menu's entries: this number plus the picture's number in the menu.
#define IDI_MENU_PICTURES 1000
