#include "data/KmbRecords.h"

bool IsKmbHeader(const unsigned char* bytes, std::size_t size) {
    if (!bytes || size < KMB_HEADER_SIZE)
        return false;
    // The two halves are tested apart; both failures look the same to the caller.
    const std::uint32_t version = GetLe32(bytes + KMB_VERSION_OFFSET);
    return (version >> 16) == 2 && (version & 0xFFFF) == 0;
}

CKmbCursor::CKmbCursor(const unsigned char* bytes, std::size_t size)
    : p(bytes), n(size), promised(GetLe32(bytes + KMB_COUNT_OFFSET)) {}

bool CKmbCursor::Next(KmbRecordBytes& out) {
    if (ended || given == promised)
        return false;
    ++given;
    out.bytes = p + at;
    out.available = n - at;
    out.name = p + at + (out.available < RECORD_HEAD_SIZE ? out.available : RECORD_HEAD_SIZE);
    out.nameLength = 0;
    out.whole = false;
    if (out.available < RECORD_HEAD_SIZE) {
        ended = true;
        return true;
    }
    const std::size_t length = GetLe16(out.bytes + RECORD_LENGTH_OFFSET);
    const std::size_t rest = out.available - RECORD_HEAD_SIZE;
    out.nameLength = length < rest ? length : rest;
    out.whole = out.nameLength == length;
    out.available = RECORD_HEAD_SIZE + out.nameLength;
    at += out.available;
    ended = !out.whole;
    return true;
}
