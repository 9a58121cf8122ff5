#include "plugin/ToolPath.h"

#include "platform/Platform.h"

#include <cstring>

namespace {
const char kToolName[] = "KmbTool.exe";
}

void BuildToolPath(const char* moduleName, char* out) {
    std::memset(out, 0, TOOL_PATH_SIZE);
    const std::size_t length = moduleName ? strnlen(moduleName, TOOL_PATH_SIZE) : 0;
    // Windows gives the module's name with backslashes only.
    const int cut = static_cast<int>(FileNameStart(moduleName, length, BACKSLASH_ONLY));
    if (cut == 0) {
        std::memcpy(out, kToolName, sizeof kToolName);
        return;
    }
    if (cut + static_cast<int>(sizeof kToolName) > TOOL_PATH_SIZE)
        return;
    std::memcpy(out, moduleName, cut);
    std::memcpy(out + cut, kToolName, sizeof kToolName);
}
