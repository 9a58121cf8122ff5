#include "platform/Platform.h"

std::size_t FileNameStart(const char* path, std::size_t length, PathSeparators separators) {
    if (!path)
        return 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < length)
            ++i; // the trail byte is part of this character, whatever its value
        else if (c == '\\' || (c == '/' && separators == BACKSLASH_OR_SLASH))
            start = i + 1;
    }
    return start;
}
