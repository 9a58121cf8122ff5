#include "platform/FileStamp.h"

#include "platform/Platform.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#ifdef _WIN32

CFileStamp StampOf(const char* path) {
    CFileStamp s;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return s;
    s.exists = true;
    s.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    s.writeTime = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                  data.ftLastWriteTime.dwLowDateTime;
    return s;
}

bool SameFilePath(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a.c_str(), -1,
                          b.c_str(), -1) == CSTR_EQUAL;
}

#else

CFileStamp StampOf(const char* path) {
    CFileStamp s;
    struct stat st;
    if (!path || stat(path, &st) != 0)
        return s;
    s.exists = true;
    s.size = static_cast<unsigned long long>(st.st_size);
    s.writeTime = static_cast<unsigned long long>(st.st_mtim.tv_sec) * 1000000000ull +
                  static_cast<unsigned long long>(st.st_mtim.tv_nsec);
    return s;
}

bool SameFilePath(const std::string& a, const std::string& b) {
    return a == b;
}

#endif
