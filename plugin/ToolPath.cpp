#include "plugin/ToolPath.h"

#include "platform/Platform.h"

#include <cstring>

namespace {
const char kToolName[] = "KmbTool.exe";
}

void BuildToolPath(const char* moduleName, char* out) {
    std::memset(out, 0, TOOL_PATH_SIZE);
    const int length = moduleName ? static_cast<int>(strnlen(moduleName, TOOL_PATH_SIZE)) : 0;
    int cut = -1;
    for (int i = length - 1; i >= 0; --i) {
        // A 0x5C after a lead byte is the second half of a character such as 表.
        if (moduleName[i] == '\\' &&
            (i == 0 || !IsLeadByte(static_cast<unsigned char>(moduleName[i - 1])))) {
            cut = i + 1;
            break;
        }
    }
    if (cut < 0) {
        std::memcpy(out, kToolName, sizeof kToolName);
        return;
    }
    if (cut + static_cast<int>(sizeof kToolName) > TOOL_PATH_SIZE)
        return;
    std::memcpy(out, moduleName, cut);
    std::memcpy(out + cut, kToolName, sizeof kToolName);
}
