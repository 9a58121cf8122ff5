#include "data/KmdDataFile.h"

#include <cstring>
#include <string>

// The backup name: the path up to and including the last "." of its file-name part, then
// "bak". The "." is looked for only after the last separator, so that a dot in a folder name
// never makes the backup replace a file beside the folder.
static std::string BackupName(const char* path) {
    const std::size_t n = std::strlen(path);
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < n) {
            ++i; // a trail byte 0x5C is part of the character, not a separator
            continue;
        }
        if (c == '\\' || c == '/')
            nameStart = i + 1;
    }
    std::size_t dot = std::string::npos;
    for (std::size_t i = nameStart; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c) && i + 1 < n) {
            ++i;
            continue;
        }
        if (c == '.')
            dot = i;
    }
    std::string name(path);
    if (dot != std::string::npos)
        name.resize(dot + 1);
    return name + "bak";
}

void MakeBackup(const char* path) {
    if (!path || !FileExists(path))
        return;
    const std::string backup = BackupName(path);
    if (FileExists(backup.c_str()))
        DeleteFileA(backup.c_str());
    // Results ignored: the backup never stops the save.
    CopyFileA(path, backup.c_str(), TRUE);
}
