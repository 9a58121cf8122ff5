#include "plugin/ToolStart.h"

#include "plugin/Module.h"

#include <shellapi.h>

#include <cstring>

static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "32-bit shell execute record");

bool StartTool(HWND owner) {
    if (!g_toolPath[0])
        return false;
    SHELLEXECUTEINFOA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpFile = g_toolPath;
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}
