// Walking the records of a binary data file's bytes where they lie (layout in KmbLayout.h).
// Nothing here allocates: the entry list and the fuzzers walk the same way, and the day
// text's walk over a file in chunks (KmbFileWalk.h) gives the same records.
#pragma once

#include "data/KmbLayout.h"

#include <cstddef>
#include <cstdint>

// True when the bytes start with a header of this format's version.
bool IsKmbHeader(const unsigned char* bytes, std::size_t size);

// One record as it lies in the bytes.
struct KmbRecordBytes {
    const unsigned char* bytes; // its first byte
    std::size_t available;      // bytes of it present (all of it when whole)
    bool whole;                 // the record and its whole name are present
    const unsigned char* name;  // its name bytes present, no terminator
    std::size_t nameLength;
};

// The record at byte `at` of bytes [p, p + n), as much of it as they hold (with the fields
// present); `at` moves past it. False when the bytes end inside it, which ends a walk.
inline bool TakeRecord(const unsigned char* p, std::size_t n, std::size_t& at,
                       KmbRecordBytes& out) {
    out.bytes = p + at;
    out.available = n - at;
    if (out.available < RECORD_HEAD_SIZE) {
        out.name = p + n;
        out.nameLength = 0;
        out.whole = false;
        return false;
    }
    const std::size_t length = GetLe16(out.bytes + RECORD_LENGTH_OFFSET);
    const std::size_t rest = out.available - RECORD_HEAD_SIZE;
    out.name = out.bytes + RECORD_HEAD_SIZE;
    out.nameLength = length < rest ? length : rest;
    out.whole = out.nameLength == length;
    out.available = RECORD_HEAD_SIZE + out.nameLength;
    at += out.available;
    return out.whole;
}

// The records the header's count promises, as far as the bytes hold them: each whole record,
// then the one in which the bytes end (kept with the fields present). Never more than the
// bytes allow, so a damaged count costs nothing.
class CKmbCursor {
public:
    // bytes must hold a header (IsKmbHeader).
    CKmbCursor(const unsigned char* bytes, std::size_t size)
        : p(bytes), n(size), promised(GetLe32(bytes + KMB_COUNT_OFFSET)) {}
    // Inline: a load walks every record.
    bool Next(KmbRecordBytes& out) {
        if (ended || given == promised)
            return false;
        ++given;
        ended = !TakeRecord(p, n, at, out);
        return true;
    }
    std::uint32_t Promised() const { return promised; }

private:
    const unsigned char* p;
    std::size_t n;
    std::size_t at = KMB_HEADER_SIZE;
    std::uint32_t promised;
    std::uint32_t given = 0;
    bool ended = false;
};
