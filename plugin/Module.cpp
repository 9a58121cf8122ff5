#include "plugin/Module.h"

#include "plugin/ToolPath.h"
#include "winui/MessageBox.h"

HINSTANCE g_instance = nullptr;
char g_toolPath[TOOL_PATH_SIZE] = {};

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        SetMessageCaption("Koyomiru");
        char name[TOOL_PATH_SIZE] = {};
        const DWORD n = GetModuleFileNameA(instance, name, TOOL_PATH_SIZE);
        // A cut name could end in another directory: then there is no editor path at all.
        if (n >= TOOL_PATH_SIZE)
            g_toolPath[0] = 0;
        else
            BuildToolPath(name, g_toolPath);
    }
    return TRUE;
}
