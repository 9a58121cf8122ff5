#include "platform/Files.h"

#include "platform/Platform.h"

#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

FileKind KindOfFile(const char* path) {
    if (!path || !path[0])
        return FILE_MISSING;
    const DWORD a = GetFileAttributesA(path);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY))
        return FILE_OTHER;
    // Device names (NUL, CON, COM1, also behind a folder or with an extension) need not answer
    // attributes; only a handle tells what they are.
    HANDLE h = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return a == INVALID_FILE_ATTRIBUTES ? FILE_MISSING : FILE_REGULAR;
    const DWORD type = GetFileType(h);
    CloseHandle(h);
    return type == FILE_TYPE_DISK ? FILE_REGULAR : FILE_OTHER;
}

bool CRegularFile::Open(const char* path, OpenFailure* why) {
    OpenFailure dummy;
    OpenFailure& reason = why ? *why : dummy;
    Close();
    reason = OPEN_MISSING;
    if (!path || !path[0])
        return false;
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
            reason = OPEN_MISSING;
        else if (KindOfFile(path) == FILE_OTHER)
            reason = OPEN_NOT_REGULAR; // a folder, or a device that refused us
        else
            reason = OPEN_UNREADABLE;
        return false;
    }
    // A serial port, a console or a pipe whose server never writes would block the first read.
    if (GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        reason = OPEN_NOT_REGULAR;
        return false;
    }
    handle = h;
    reason = OPEN_OK;
    return true;
}

long CRegularFile::Read(void* buffer, std::size_t size) {
    if (!handle)
        return -1;
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!ReadFile(static_cast<HANDLE>(handle), buffer, want, &got, nullptr))
        return -1;
    return static_cast<long>(got);
}

void CRegularFile::Close() {
    if (handle)
        CloseHandle(static_cast<HANDLE>(handle));
    handle = nullptr;
}

#else

FileKind KindOfFile(const char* path) {
    struct stat st;
    if (!path || !path[0] || stat(path, &st) != 0)
        return FILE_MISSING;
    return S_ISREG(st.st_mode) ? FILE_REGULAR : FILE_OTHER;
}

bool CRegularFile::Open(const char* path, OpenFailure* why) {
    OpenFailure dummy;
    OpenFailure& reason = why ? *why : dummy;
    Close();
    reason = OPEN_MISSING;
    if (!path || !path[0])
        return false;
    // Non-blocking, so that opening a FIFO does not wait for a writer; for a regular file the
    // flag changes nothing and may stay.
    const int opened = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (opened < 0) {
        reason = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG ? OPEN_MISSING
                 : KindOfFile(path) == FILE_OTHER                             ? OPEN_NOT_REGULAR
                                                                              : OPEN_UNREADABLE;
        return false;
    }
    struct stat st;
    if (fstat(opened, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(opened);
        reason = OPEN_NOT_REGULAR;
        return false;
    }
    fd = opened;
    reason = OPEN_OK;
    return true;
}

long CRegularFile::Read(void* buffer, std::size_t size) {
    if (fd < 0)
        return -1;
    ssize_t got;
    do
        got = read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

void CRegularFile::Close() {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

#endif

CRegularFile::~CRegularFile() {
    Close();
}
