#include "platform/Platform.h"

#ifndef _WIN32
#include <unistd.h>
#endif

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

#ifdef _WIN32
bool IsRelativePath(const char* path) {
    if (path[0] == '\\' || path[0] == '/')
        return false;
    const char c = static_cast<char>(path[0] | 0x20);
    return !(c >= 'a' && c <= 'z' && path[1] == ':');
}

std::string FolderOf(const std::string& path) {
    std::size_t start = FileNameStart(path.c_str(), path.size());
    if (start == 0 && path.size() >= 2 && path[1] == ':' && !IsRelativePath(path.c_str()))
        start = 2; // "C:chip.txt" lies in the drive's current folder
    return path.substr(0, start);
}

std::string CurrentFolder() {
    char buffer[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
    std::string here = n != 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
    // A trail byte may be 0x5C: only a separator found as such ends the folder ("C:\\").
    if (!here.empty() && FileNameStart(here.c_str(), here.size()) != here.size())
        here += '\\';
    return here;
}

bool NamesAreCp932() {
    return true;
}
#else
bool IsRelativePath(const char* path) {
    return path[0] != '/';
}

std::string FolderOf(const std::string& path) {
    // A native name is UTF-8, in which "/" is never part of another character.
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string CurrentFolder() {
    char buffer[4096];
    std::string here = getcwd(buffer, sizeof buffer) ? buffer : "";
    if (!here.empty() && here.back() != '/')
        here += '/';
    return here;
}

bool NamesAreCp932() {
    return false;
}
#endif
