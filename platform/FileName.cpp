#include "platform/Platform.h"

std::size_t FileNameStart(const char* path, std::size_t length, PathSeparators separators) {
    if (!path)
        return 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        // No trail byte lies below 0x40, so a lead byte before "/" stands alone: the last
        // byte of a UTF-8 character (a native name) can look like a lead byte.
        if (IsLeadByte(c) && i + 1 < length && static_cast<unsigned char>(path[i + 1]) >= 0x40)
            ++i; // the trail byte is part of this character, even the backslash's value
        else if (c == '\\' || (c == '/' && separators == BACKSLASH_OR_SLASH))
            start = i + 1;
    }
    return start;
}
