#include "editor/FileWatch.h"

void CFileWatch::Remember(const std::string& file, const CFileStamp& at) {
    path = file;
    stamp = at;
}

bool CFileWatch::ChangedByOthers(const std::string& file) const {
    if (path.empty() || !SameFilePath(path, file))
        return false;
    const CFileStamp now = StampOf(file.c_str());
    return now.exists && now != stamp;
}
