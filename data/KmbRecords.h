// Walking the records of a binary data file's bytes where they lie (layout in KmbLayout.h).
// Nothing here allocates: the entry list, the day text and the fuzzers all walk the same way.
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

// The records the header's count promises, as far as the bytes hold them: each whole record,
// then the one in which the bytes end (kept with the fields present). Never more than the
// bytes allow, so a damaged count costs nothing.
class CKmbCursor {
public:
    // bytes must hold a header (IsKmbHeader).
    CKmbCursor(const unsigned char* bytes, std::size_t size);
    bool Next(KmbRecordBytes& out);
    std::uint32_t Promised() const { return promised; }

private:
    const unsigned char* p;
    std::size_t n;
    std::size_t at = KMB_HEADER_SIZE;
    std::uint32_t promised;
    std::uint32_t given = 0;
    bool ended = false;
};
