// What tells a file's versions apart without reading it: its size and last-write time, as the
// editor remembers them for the file it opened or saved, to see another program's save.
#pragma once

#include <string>

struct CFileStamp {
    bool exists = false;
    unsigned long long size = 0;
    unsigned long long writeTime = 0; // the system's own units (ns natively, 100 ns on Windows)

    bool operator==(const CFileStamp& o) const {
        return exists == o.exists && size == o.size && writeTime == o.writeTime;
    }
    bool operator!=(const CFileStamp& o) const { return !(*this == o); }
};

// The stamp of the file at path; `exists` is false when there is none.
CFileStamp StampOf(const char* path);

// Whether two paths name the same file as the system compares names: ignoring case on Windows
// (code page 932 aware), byte for byte natively.
bool SameFilePath(const std::string& a, const std::string& b);
