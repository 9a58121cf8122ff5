// File access of the engine: only regular files are read, and new files are created
// exclusively under a fresh name. Devices, pipes and folders answer reads and writes in ways
// that hang or mislead a reader, so they are refused before the first byte moves.
#pragma once

#include <cstdio>
#include <string>

enum FileKind { FILE_MISSING, FILE_REGULAR, FILE_OTHER };

// What lies at path: nothing, a regular (disk) file, or anything else (a folder, a device, a
// pipe). A path that cannot be looked at counts as missing.
FileKind KindOfFile(const char* path);

enum OpenFailure { OPEN_OK, OPEN_MISSING, OPEN_NOT_REGULAR, OPEN_UNREADABLE };

// Opens path for binary reading when it is a regular file; null otherwise, with the reason
// in *why when given. The type is checked on the opened file, so nothing swapped in between
// is read, and opening never waits for a writer (a FIFO, a pipe's server).
std::FILE* OpenRegularFile(const char* path, OpenFailure* why = nullptr);

// Creates a new file for binary writing beside `near` under a name no file had: near + ".tmp~",
// then ".tmp~1", ".tmp~2" and so on. Never opens an existing file or follows a link planted
// under one of those names. Null when none could be made; the name used goes to `created`.
std::FILE* CreateFreshFile(const std::string& near, std::string& created);

// Closes a file written with CreateFreshFile; false when any write, the flush or the close
// failed (a full disk, a file-size limit).
bool CloseWrittenFile(std::FILE* file);
