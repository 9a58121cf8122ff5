// The editor's About box (template 100).
#pragma once

#include <windows.h>

void ShowEditorAbout(HWND owner);
