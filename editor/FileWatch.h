// The file the editor holds, as it was when the editor opened or last saved it. Another
// program's save since then (a second KmbTool, koyomi holidays) shows in the file's size or
// last-write time, so that every way of saving can ask before it overwrites that work.
#pragma once

#include "platform/FileStamp.h"

#include <string>

class CFileWatch {
public:
    // The file at path as read or written here; stamp as StampOf gave it then.
    void Remember(const std::string& path, const CFileStamp& stamp);
    // True when path names the remembered file and the file there is no longer the one
    // remembered. A file deleted meanwhile holds nothing to lose: false.
    bool ChangedByOthers(const std::string& path) const;
    // True when path names the remembered file and the file there is still the one remembered.
    bool Unchanged(const std::string& path) const;

private:
    // The file at `file` now, when it is the one remembered; false otherwise.
    bool Watches(const std::string& file, CFileStamp& now) const;

    std::string path;
    CFileStamp stamp;
};
