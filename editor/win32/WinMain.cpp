// KmbTool.exe: the editor's main window is the whole program; a file named on the command
// line opens in it at start.
#include "editor/win32/CommandLine.h"
#include "editor/win32/MainWnd.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RunMainWindow(instance, StartPath());
    return 0;
}
