// The chip's own menu and its commands.
#pragma once

#include <windows.h>

// A new menu the host owns once it is returned; null when it could not be made.
HMENU BuildChipMenu();
// 2 when the chip's text was regenerated, 0 otherwise.
int RunMenuCommand(HLOCAL state, HWND owner, UINT id);
