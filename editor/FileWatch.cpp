#include "editor/FileWatch.h"

void CFileWatch::Remember(const std::string& file, const CFileStamp& at) {
    path = file;
    stamp = at;
}

bool CFileWatch::Watches(const std::string& file, CFileStamp& now) const {
    if (path.empty() || !SameFilePath(path, file))
        return false;
    now = StampOf(file.c_str());
    return now.exists;
}

bool CFileWatch::ChangedByOthers(const std::string& file) const {
    CFileStamp now;
    return Watches(file, now) && now != stamp;
}

bool CFileWatch::Unchanged(const std::string& file) const {
    CFileStamp now;
    return Watches(file, now) && now == stamp;
}
