// The editor's backup step before a save: one generation, the path up to its last "." in
// the file-name part followed by "bak".
#include "data/KmdEntryFile.h"

#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/PutInPlace.h"

#include <string>

namespace {
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
    const std::size_t name = FileNameStart(target.c_str(), target.size());
    const std::size_t dot = target.rfind('.');
    if (dot == std::string::npos || dot < name)
        return target + "bak";
    return target.substr(0, dot + 1) + "bak";
}

bool MakeBackup(const char* path) {
    if (!path || !path[0])
        return false;
    const FileKind kind = KindOfFile(path);
    if (kind == FILE_MISSING) {
        // A new file: nothing to keep, but what an interrupted backup left goes.
        RemoveStaleTemporaries(BackupName(path).c_str());
        return true;
    }
    if (kind == FILE_OTHER)
        return false; // a folder or a device is no data file to save over
    const std::string backup = BackupName(path);
    // A target named like its own backup ("x.bak") cannot have one; the save goes ahead.
    if (SameIgnoringAsciiCase(backup, path))
        return true;
    if (KindOfFile(backup.c_str()) == FILE_OTHER)
        return false;
    // The copy replaces the old backup only when it is whole on the disk: a full disk or a
    // power cut leaves the previous generation.
    CFileBytes bytes;
    return bytes.Load(path) && PutInPlace(backup.c_str(), bytes.Data(), bytes.Size());
}
