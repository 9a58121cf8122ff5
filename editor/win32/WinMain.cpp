// KmbTool.exe: the editor's main window is the whole program.
#include "editor/win32/MainWnd.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RunMainWindow(instance);
    return 0;
}
