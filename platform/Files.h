// File access of the engine: only regular files are read (files are written through
// platform/PutInPlace.h). Devices, pipes and folders answer reads and writes in ways
// that hang or mislead a reader, so they are refused before the first byte moves.
#pragma once

#include <cstddef>
#include <string>

enum FileKind { FILE_MISSING, FILE_REGULAR, FILE_OTHER };

// What lies at path: nothing, a regular (disk) file, or anything else (a folder, a device, a
// pipe). A path that cannot be looked at counts as missing.
FileKind KindOfFile(const char* path);

enum OpenFailure { OPEN_OK, OPEN_MISSING, OPEN_NOT_REGULAR, OPEN_UNREADABLE, OPEN_NO_MEMORY };

// A regular file open for reading. The type is checked on the opened file, so nothing swapped
// in between is read, and opening never waits for a writer (a FIFO, a pipe's server).
class CRegularFile {
public:
    CRegularFile() = default;
    ~CRegularFile();
    CRegularFile(const CRegularFile&) = delete;
    CRegularFile& operator=(const CRegularFile&) = delete;

    // False, with the reason in *why when given, unless path is a regular file opened.
    bool Open(const char* path, OpenFailure* why = nullptr);
    // Up to size bytes into buffer: the count read, 0 at the end, -1 on a read error.
    long Read(void* buffer, std::size_t size);

private:
    friend class CFileBytes;
    void Close();
#ifdef _WIN32
    void* handle = nullptr;
#else
    int fd = -1;
#endif
};

// The whole content of a regular file, for readers that parse bytes in memory. The file is
// mapped where the system allows (no copy, and pages of a large file that are never looked at
// are never read); otherwise it is read into memory, growing as the bytes arrive, since no
// size the system states is trusted to size memory.
class CFileBytes {
public:
    CFileBytes() = default;
    ~CFileBytes();
    CFileBytes(const CFileBytes&) = delete;
    CFileBytes& operator=(const CFileBytes&) = delete;

    // False, with the reason in *why when given, unless path is a regular file whose bytes
    // could all be had (OPEN_UNREADABLE for a read error, OPEN_NO_MEMORY when the bytes do
    // not fit in memory). Never throws.
    bool Load(const char* path, OpenFailure* why = nullptr);
    const unsigned char* Data() const { return data; }
    std::size_t Size() const { return size; }

private:
    void Release();

    const unsigned char* data = nullptr;
    std::size_t size = 0;
    bool mapped = false;
    std::string copy; // the bytes, when they were read rather than mapped
};
