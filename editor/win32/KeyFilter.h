// Keys that a dialog box's modal loop offers to nobody: it passes each message to its own
// IsDialogMessage only, which first calls the message-filter hook (MSGF_DIALOGBOX). The hook
// gives the main window and its modeless search dialog accelerator table 133, and the search
// dialog its dialog keys (Tab, arrows), with Enter and Esc key-downs swallowed there.
#pragma once

#include <windows.h>

// The windows of one main window; `find` may change while registered (null when none).
struct KeyWindows {
    HWND main = nullptr;
    HWND find = nullptr;
    HACCEL accelerators = nullptr;
};

// Registered windows get the keys from now on; the hook lives while any are registered.
void AddKeyWindows(KeyWindows* windows);
void RemoveKeyWindows(KeyWindows* windows);
