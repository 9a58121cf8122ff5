// The program's one message box: the caption is the program's, icon and buttons follow from
// the kind. Tests replace the box through the hook to read and answer it.
#pragma once

#include <windows.h>

enum BoxKind {
    BOX_STOP,     // stop icon, OK
    BOX_QUESTION, // question icon, Yes and No
    BOX_NOTICE,   // no icon, OK
    BOX_WARNING,  // exclamation icon, OK
    BOX_INFO,     // information icon, OK
};

// The caption of every box the program shows; set once at start-up.
void SetMessageCaption(const char* caption);
// IDOK, or IDYES / IDNO for BOX_QUESTION.
int ShowMessage(HWND owner, const char* text, BoxKind kind);

// A replacement for MessageBoxA, given the caption and style the box would have; null
// restores the real box.
typedef int (*MessageHook)(HWND owner, const char* text, const char* caption, UINT style);
void SetMessageHook(MessageHook hook);
