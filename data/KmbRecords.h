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

// The name length a record's head states (of a head present whole).
inline std::size_t StatedNameLength(const unsigned char* record) {
    return GetLe16(record + RECORD_LENGTH_OFFSET);
}

// The name bytes an entry keeps: only 127 fit with the terminator, so a longer name from a
// damaged or foreign file keeps its first 127 bytes and the rest is skipped.
inline std::size_t KeptNameLength(const KmbRecordBytes& r) {
    return r.nameLength < KMD_NAME_MAX ? r.nameLength : KMD_NAME_MAX;
}

// The record at byte `at` of bytes [p, p + n), as much of it as they hold (with the fields
// present); `at` moves past it. False when the bytes end inside it, which ends a walk. The
// one place a record's length and name are found.
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
    const std::size_t length = StatedNameLength(out.bytes);
    const std::size_t rest = out.available - RECORD_HEAD_SIZE;
    out.name = out.bytes + RECORD_HEAD_SIZE;
    out.nameLength = length < rest ? length : rest;
    out.whole = out.nameLength == length;
    out.available = RECORD_HEAD_SIZE + out.nameLength;
    at += out.available;
    return out.whole;
}

// What a walk over a file's records found, once it has ended: the one report of a load, for
// the entry list and the day text alike.
struct KmbRecordCount {
    std::uint32_t promised = 0; // records the header promises
    std::uint32_t read = 0;     // records given, the last one perhaps in part
    std::uint32_t whole = 0;    // of those, the ones present whole
    // Cut short: the bytes ended inside a promised record. What they held was read.
    bool Cut() const { return whole < promised; }
};

// The count of a walk as it goes: records are given until the promised count is reached or
// one is cut by the end of the bytes, which ends the walk.
class CKmbRecordTally {
public:
    explicit CKmbRecordTally(std::uint32_t promised = 0) : promised(promised) {}
    bool More() const { return !ended && given != promised; }
    void Took(bool whole) {
        ++given;
        ended = !whole;
    }
    KmbRecordCount Count() const { return {promised, given, ended ? given - 1 : given}; }

private:
    std::uint32_t promised;
    std::uint32_t given = 0;
    bool ended = false;
};

// The records the header's count promises, as far as the bytes hold them: each whole record,
// then the one in which the bytes end (kept with the fields present). Never more than the
// bytes allow, so a damaged count costs nothing.
class CKmbCursor {
public:
    // bytes must hold a header (IsKmbHeader).
    CKmbCursor(const unsigned char* bytes, std::size_t size)
        : p(bytes), n(size), tally(GetLe32(bytes + KMB_COUNT_OFFSET)) {}
    // Inline: a load walks every record.
    bool Next(KmbRecordBytes& out) {
        if (!tally.More())
            return false;
        tally.Took(TakeRecord(p, n, at, out));
        return true;
    }
    // Once Next has returned false: whole, or cut short.
    KmbRecordCount Count() const { return tally.Count(); }

private:
    const unsigned char* p;
    std::size_t n;
    std::size_t at = KMB_HEADER_SIZE;
    CKmbRecordTally tally;
};
