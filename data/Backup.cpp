// The editor's backup step before a save: one generation, the path up to its last "." in
// the file-name part followed by "bak".
#include "data/KmdDataFile.h"

#include "platform/Platform.h"

#include <cstring>
#include <string>

namespace {
// Start of the file-name part: after the last "\" or "/". A 0x5C that is the second byte of
// a double-byte character is no separator.
std::size_t NameStart(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < path.size())
            ++i;
        else if (c == '\\' || c == '/')
            start = i + 1;
    }
    return start;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}
} // namespace

std::string BackupName(const char* path) {
    if (!path)
        return std::string();
    const std::string target(path);
    // Only the file-name part counts: a "." in a folder name would otherwise name a file
    // beside that folder.
    const std::size_t name = NameStart(target);
    const std::size_t dot = target.rfind('.');
    if (dot == std::string::npos || dot < name)
        return target + "bak";
    return target.substr(0, dot + 1) + "bak";
}

void MakeBackup(const char* path) {
    if (!path || !FileExists(path))
        return;
    const std::string backup = BackupName(path);
    // A target named like its own backup ("x.bak") would be deleted by the step below.
    if (SameIgnoringAsciiCase(backup, path))
        return;
    if (FileExists(backup.c_str()))
        DeleteFileA(backup.c_str());
    CopyFileA(path, backup.c_str(), TRUE);
}
