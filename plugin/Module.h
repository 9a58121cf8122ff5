// What the plug-in keeps for the whole process: its instance handle, for loading its
// dialogs, and the editor's path. Both are written once, on process attach.
#pragma once

#include <windows.h>

extern HINSTANCE g_instance;
extern char g_toolPath[260];
