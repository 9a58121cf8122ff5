#include "data/KmbFileWalk.h"

#include <cstring>
#include <new>

CKmbWalkBuffer::CKmbWalkBuffer() : bytes(new (std::nothrow) unsigned char[SIZE]) {}

CKmbWalkBuffer::~CKmbWalkBuffer() {
    delete[] bytes;
}

bool CKmbFileWalk::Open(const char* path, LoadFailure& why) {
    at = end = 0;
    given = promised = 0;
    ended = atEof = failed = false;
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
    promised = GetLe32(buffer + KMB_COUNT_OFFSET);
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

bool CKmbFileWalk::NextRead(KmbRecordBytes& out) {
    ++given;
    Fill(RECORD_HEAD_SIZE);
    out.bytes = buffer + at;
    out.available = end - at;
    if (out.available < RECORD_HEAD_SIZE) {
        out.name = buffer + end;
        out.nameLength = 0;
        out.whole = false;
        ended = true;
        return true;
    }
    const std::size_t length = GetLe16(out.bytes + RECORD_LENGTH_OFFSET);
    Fill(RECORD_HEAD_SIZE + length); // moves the record to the buffer's front
    out.bytes = buffer + at;
    const std::size_t rest = end - at - RECORD_HEAD_SIZE;
    out.name = out.bytes + RECORD_HEAD_SIZE;
    out.nameLength = length < rest ? length : rest;
    out.whole = out.nameLength == length;
    out.available = RECORD_HEAD_SIZE + out.nameLength;
    at += out.available;
    ended = !out.whole;
    return true;
}
