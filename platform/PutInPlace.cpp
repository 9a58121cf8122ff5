#include "platform/PutInPlace.h"

#include "platform/FileOps.h"
#include "platform/Files.h"
#include "platform/Platform.h"

#include <cerrno>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
constexpr int FRESH_NAME_TRIES = 100;
enum Created { CREATED, NAME_TAKEN, CREATE_FAILED };

std::string TemporaryName(const std::string& target, int i) {
    return target + ".tmp~" + (i ? std::to_string(i) : std::string());
}

#ifdef _WIN32
// The move is on the disk when MoveFileEx returns: there is no folder to flush.
constexpr bool WRITE_THROUGH = true;

HANDLE H(std::intptr_t file) {
    return reinterpret_cast<HANDLE>(file);
}

// Not shared: another save's clean-up cannot remove it while it is written.
Created CreateFresh(const std::string& name, std::intptr_t& file, std::intptr_t&) {
    HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS
                   ? NAME_TAKEN
                   : CREATE_FAILED;
    file = reinterpret_cast<std::intptr_t>(h);
    return CREATED;
}

// Bytes written of at most size, 0 on a failure.
std::size_t WriteSome(std::intptr_t file, const char* p, std::size_t size) {
    DWORD done = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    return WriteFile(H(file), p, want, &done, nullptr) ? done : 0;
}

bool FlushData(std::intptr_t file) {
    return FlushFileBuffers(H(file)) != FALSE;
}

bool CloseFile(std::intptr_t file) {
    return CloseHandle(H(file)) != FALSE;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool FlushFolder(const std::string&) {
    return true;
}

void RemoveFile(const std::string& name) {
    DeleteFileA(name.c_str());
}

void RemoveIfStale(const std::string& name) {
    const DWORD a = GetFileAttributesA(name.c_str());
    if (a == INVALID_FILE_ATTRIBUTES ||
        (a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return;
    // A save still running holds its temporary unshared, and the removal fails.
    if (NoteFileOp(FOP_REMOVE, name.c_str()))
        DeleteFileA(name.c_str());
}

#else
constexpr bool WRITE_THROUGH = false;

bool SameFile(int fd, const std::string& name) {
    struct stat mine, there;
    return fstat(fd, &mine) == 0 && lstat(name.c_str(), &there) == 0 &&
           mine.st_dev == there.st_dev && mine.st_ino == there.st_ino;
}

// A file system that cannot flush (EINVAL, ENOTSUP) leaves nothing to wait for.
bool Synced(int fd) {
    int r;
    do
        r = fsync(fd);
    while (r != 0 && errno == EINTR);
    return r == 0 || errno == EINVAL || errno == ENOTSUP;
}

Created CreateFresh(const std::string& name, std::intptr_t& file, std::intptr_t& lock) {
    // O_EXCL with O_CREAT fails on any existing name, a dangling link included.
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return errno == EEXIST ? NAME_TAKEN : CREATE_FAILED;
    // The lock tells other saves that this writer runs; another save's clean-up may have taken
    // the fresh name before it. A file system without locks leaves the claim to the name alone.
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (!locked || !SameFile(fd, name)) {
        close(fd);
        return NAME_TAKEN;
    }
    file = fd;
    lock = dup(fd); // the lock belongs to both descriptors and outlives the close of the first
    return CREATED;
}

std::size_t WriteSome(std::intptr_t file, const char* p, std::size_t size) {
    ssize_t done;
    do
        done = write(static_cast<int>(file), p, size);
    while (done < 0 && errno == EINTR);
    return done > 0 ? static_cast<std::size_t>(done) : 0;
}

bool FlushData(std::intptr_t file) {
    return Synced(static_cast<int>(file));
}

bool CloseFile(std::intptr_t file) {
    return close(static_cast<int>(file)) == 0;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

bool FlushFolder(const std::string& target) {
    const std::size_t slash = target.rfind('/'); // never a trail byte in CP932 or UTF-8
    const std::string folder =
        slash == std::string::npos ? std::string(".") : target.substr(0, slash ? slash : 1);
    if (!NoteFileOp(FOP_FLUSH_FOLDER, folder.c_str()))
        return false;
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return errno == EACCES; // a folder one may write but not read: nothing more can be done
    const bool ok = Synced(dir);
    close(dir);
    return ok;
}

void RemoveFile(const std::string& name) {
    unlink(name.c_str());
}

void RemoveIfStale(const std::string& name) {
    struct stat st;
    if (lstat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return; // a link planted under the name is no temporary of ours
    const int fd = open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    // A save still running holds the lock on its temporary.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, name) &&
        NoteFileOp(FOP_REMOVE, name.c_str()))
        unlink(name.c_str());
    close(fd);
}
#endif
} // namespace

int LastSystemError() {
#ifdef _WIN32
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

void SetLastSystemError(int code) {
#ifdef _WIN32
    SetLastError(static_cast<DWORD>(code));
#else
    errno = code;
#endif
}

CInPlaceWriter::~CInPlaceWriter() {
    Abandon();
}

bool CInPlaceWriter::Begin(const char* path) {
    Abandon();
    failed = false;
    // A folder or a device under the target's name is nothing to replace.
    if (!path || !path[0] || KindOfFile(path) == FILE_OTHER)
        return false;
    target = path;
    RemoveStaleTemporaries(path);
    for (int i = 0; i < FRESH_NAME_TRIES; ++i) {
        const std::string name = TemporaryName(target, i);
        if (!NoteFileOp(FOP_CREATE, name.c_str()))
            return false;
        const Created created = CreateFresh(name, file, lock);
        if (created == CREATE_FAILED)
            return false;
        if (created == CREATED) {
            temporary = name;
            return true;
        }
    }
    return false;
}

bool CInPlaceWriter::Write(const void* bytes, std::size_t size) {
    if (file == -1 || failed)
        return false;
    if (size == 0)
        return true;
    failed = !NoteFileOp(FOP_WRITE, temporary.c_str(), nullptr, bytes, size);
    for (const char* p = static_cast<const char*>(bytes); !failed && size > 0;) {
        const std::size_t done = WriteSome(file, p, size);
        failed = done == 0;
        p += done;
        size -= done;
    }
    return !failed;
}

bool CInPlaceWriter::Commit(CFileStamp* placed) {
    if (file == -1)
        return false;
    bool ok = !failed && NoteFileOp(FOP_FLUSH, temporary.c_str()) && FlushData(file);
    ok = Close() && ok;
    if (ok && placed)
        *placed = StampOf(temporary.c_str()); // the rename keeps size and last-write time
    ok = ok &&
         NoteFileOp(FOP_RENAME, temporary.c_str(), target.c_str(), nullptr, 0, WRITE_THROUGH) &&
         MoveOver(temporary, target);
    if (!ok) {
        Abandon();
        return false;
    }
    temporary.clear();
    const bool lasting = FlushFolder(target);
    ReleaseLock();
    return lasting;
}

bool CInPlaceWriter::Close() {
    if (file == -1)
        return true;
    const bool noted = NoteFileOp(FOP_CLOSE, temporary.c_str());
    const bool closed = CloseFile(file);
    file = -1;
    return noted && closed;
}

void CInPlaceWriter::ReleaseLock() {
    if (lock != -1)
        CloseFile(lock);
    lock = -1;
}

void CInPlaceWriter::Abandon() {
    if (temporary.empty())
        return;
    const int error = LastSystemError(); // the failed step's, for the caller's message
    Close();
    if (NoteFileOp(FOP_REMOVE, temporary.c_str()))
        RemoveFile(temporary);
    ReleaseLock();
    temporary.clear();
    SetLastSystemError(error);
}

void RemoveStaleTemporaries(const char* target) {
    if (!target || !target[0])
        return;
    for (int i = 0; i < FRESH_NAME_TRIES; ++i)
        RemoveIfStale(TemporaryName(target, i));
}

bool PutInPlace(const char* target, const void* bytes, std::size_t size, CFileStamp* placed) {
    CInPlaceWriter writer;
    return writer.Begin(target) && writer.Write(bytes, size) && writer.Commit(placed);
}
