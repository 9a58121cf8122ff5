#include "platform/Files.h"

#include "platform/Platform.h"

#include <exception>
#ifndef _WIN32
#include <sys/mman.h>
#include <sys/stat.h>
#endif

CFileBytes::~CFileBytes() {
    Release();
}

void CFileBytes::Release() {
    if (mapped && data) {
#ifdef _WIN32
        UnmapViewOfFile(data);
#else
        munmap(const_cast<unsigned char*>(data), size);
#endif
    }
    copy.clear();
    data = nullptr;
    size = 0;
    mapped = false;
}

bool CFileBytes::Load(const char* path, OpenFailure* why) {
    OpenFailure dummy;
    OpenFailure& reason = why ? *why : dummy;
    Release();
    CRegularFile file;
    if (!file.Open(path, &reason))
        return false;
#ifdef _WIN32
    LARGE_INTEGER length;
    if (GetFileSizeEx(static_cast<HANDLE>(file.handle), &length) && length.QuadPart > 0 &&
        static_cast<unsigned long long>(length.QuadPart) < 0x7FFFFFFFull) {
        HANDLE map = CreateFileMappingA(static_cast<HANDLE>(file.handle), nullptr, PAGE_READONLY, 0,
                                        0, nullptr);
        if (map) {
            void* view = MapViewOfFile(map, FILE_MAP_READ, 0, 0, 0);
            CloseHandle(map); // the view keeps the mapping alive
            if (view) {
                data = static_cast<const unsigned char*>(view);
                size = static_cast<std::size_t>(length.QuadPart);
                mapped = true;
                return true;
            }
        }
    }
#else
    struct stat st;
    if (fstat(file.fd, &st) == 0 && st.st_size > 0 &&
        static_cast<unsigned long long>(st.st_size) < static_cast<std::size_t>(-1) / 2) {
        void* view =
            mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, file.fd, 0);
        if (view != MAP_FAILED) {
            data = static_cast<const unsigned char*>(view);
            size = static_cast<std::size_t>(st.st_size);
            mapped = true;
            return true;
        }
    }
#endif
    // An empty file, or one the system would not map: read it.
    try {
        char chunk[65536];
        for (long got; (got = file.Read(chunk, sizeof chunk)) != 0;) {
            if (got < 0) {
                copy.clear();
                reason = OPEN_UNREADABLE;
                return false;
            }
            copy.append(chunk, static_cast<std::size_t>(got));
        }
    } catch (const std::exception&) {
        std::string().swap(copy);
        reason = OPEN_NO_MEMORY;
        return false;
    }
    data = reinterpret_cast<const unsigned char*>(copy.data());
    size = copy.size();
    return true;
}
