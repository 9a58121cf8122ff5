// Starts the editor, "KmbTool.exe" beside the plug-in, with no parameters.
#pragma once

#include <windows.h>

// False when there is no editor path or the shell could not start it; nobody is told.
bool StartTool(HWND owner);
