// Opening a data file by its name, the one rule the editor and the koyomi tool share.
#include "data/KmdEntryFile.h"

#include "platform/Platform.h"

#include <cstring>

bool IsLegacyName(const char* path) {
    if (!path)
        return false;
    const std::size_t length = std::strlen(path);
    const char* name = path + FileNameStart(path, length);
    const char* dot = std::strrchr(name, '.');
    // A "." is never the second byte of a double-byte character, so the search needs no walk.
    if (!dot || std::strlen(dot) != 4)
        return false;
    static const char kLegacy[] = ".kmd";
    for (int i = 1; i < 4; ++i) {
        char c = dot[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kLegacy[i])
            return false;
    }
    return true;
}

bool OpenDataFile(CKmdEntryFile& file, const char* path, bool* imported) {
    const bool legacy = IsLegacyName(path);
    if (imported)
        *imported = legacy;
    return legacy ? file.ImportText(path) : file.Read(path);
}
