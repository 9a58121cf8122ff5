// The one way a file is put in place, for every file the system writes (a save, its backup,
// koyomi's conversions, holidays and exports). The order is the contract:
//   1. the bytes go into a fresh temporary file beside the target (TARGET.tmp~, .tmp~1, ...);
//   2. its data is flushed to the disk (fsync natively, FlushFileBuffers on Windows);
//   3. it is closed and renamed over the target (MoveFileEx with MOVEFILE_WRITE_THROUGH);
//   4. natively the folder is flushed, so that the rename lasts, before success is told.
// Without step 2 a power cut may keep the rename and lose the data, leaving an empty or cut
// target. A failure at any step before the rename removes the temporary and leaves the old
// target as it was.
#pragma once

#include "platform/FileStamp.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CInPlaceWriter {
public:
    CInPlaceWriter() = default;
    ~CInPlaceWriter(); // a writer never committed removes its temporary
    CInPlaceWriter(const CInPlaceWriter&) = delete;
    CInPlaceWriter& operator=(const CInPlaceWriter&) = delete;

    // Removes what interrupted saves of the same target left beside it, then creates the
    // temporary. False when the target is a folder or a device, or no temporary could be made.
    bool Begin(const char* target);
    // Appends bytes; false once any write failed (the file is then never put in place).
    bool Write(const void* bytes, std::size_t size);
    // Steps 2 to 4. False when any failed: before the rename the temporary is gone and the old
    // target stays; only a failed folder flush leaves the new file in place, unconfirmed.
    // `placed`, when given, gets the stamp of the file put in place.
    bool Commit(CFileStamp* placed = nullptr);
    // Drops the temporary; the target stays as it was.
    void Abandon();

private:
    bool Close();
    void ReleaseLock();

    std::string target, temporary;
    bool failed = false;
    // The temporary's handle (a HANDLE on Windows, a descriptor natively); -1 for none.
    std::intptr_t file = -1;
    // Natively a second descriptor that keeps the temporary locked from its creation until it
    // is in place, so that no other save takes it for a stale one; -1 for none.
    std::intptr_t lock = -1;
};

// The whole file in one go, through CInPlaceWriter.
bool PutInPlace(const char* target, const void* bytes, std::size_t size,
                CFileStamp* placed = nullptr);

// The system's code of the last failure (GetLastError, errno), and setting it: a failed write
// leaves its failed step's code, for the caller's message (set 0 before the write).
int LastSystemError();
void SetLastSystemError(int code);

// Removes the temporaries interrupted saves left beside target (TARGET.tmp~, TARGET.tmp~1 ...):
// regular files only, and none that a save still running holds.
void RemoveStaleTemporaries(const char* target);
