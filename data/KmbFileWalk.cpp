#include "data/KmbFileWalk.h"

#include <cstring>
#include <new>

CKmbWalkBuffer::CKmbWalkBuffer() : bytes(new (std::nothrow) unsigned char[SIZE]) {}

CKmbWalkBuffer::~CKmbWalkBuffer() {
    delete[] bytes;
}

bool CKmbFileWalk::Open(const char* path, LoadFailure& why) {
    at = end = 0;
    tally = CKmbRecordTally();
    atEof = failed = false;
    OpenFailure opened;
    if (!buffer) {
        why = LOAD_TOO_LARGE;
        return false;
    }
    if (!file.Open(path, &opened)) {
        why = LoadFailureOf(opened);
        return false;
    }
    Fill(KMB_HEADER_SIZE);
    if (failed) {
        why = LOAD_UNREADABLE;
        return false;
    }
    if (!IsKmbHeader(buffer, end)) {
        why = LOAD_NOT_DATA_FILE;
        return false;
    }
    tally = CKmbRecordTally(GetLe32(buffer + KMB_COUNT_OFFSET));
    at = KMB_HEADER_SIZE;
    why = LOAD_OK;
    return true;
}

namespace {
constexpr std::size_t CHUNK = CKmbWalkBuffer::CHUNK_SIZE;
} // namespace

void CKmbFileWalk::Fill(std::size_t need) {
    if (end - at >= need || atEof)
        return;
    std::memmove(buffer, buffer + at, end - at);
    end -= at;
    at = 0;
    while (end < need && !atEof) {
        const std::size_t room = CKmbWalkBuffer::SIZE - end;
        const long got = file.Read(buffer + end, room < CHUNK ? room : CHUNK);
        if (got <= 0) {
            atEof = true;
            failed = got < 0; // what was read stands, as in a file cut short
        } else {
            end += static_cast<std::size_t>(got);
        }
    }
}

void CKmbFileWalk::FillRecord() {
    Fill(RECORD_HEAD_SIZE);
    if (end - at >= RECORD_HEAD_SIZE) // moves the record to the buffer's front
        Fill(RECORD_HEAD_SIZE + StatedNameLength(buffer + at));
}
