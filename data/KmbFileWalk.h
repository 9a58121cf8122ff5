// The records of a binary data file read from disk in fixed-size chunks, as CKmbCursor walks
// bytes in memory: the same records, whole or cut, in the same order. A record that straddles
// two chunks is carried over to the front of the buffer, so memory stays the same however
// large the file and however many files a chip names.
#pragma once

#include "data/KmbRecords.h"
#include "data/KmdEntryFile.h"
#include "platform/Files.h"

#include <cstddef>
#include <cstdint>

// The buffer a walk reads into: a chunk beside the longest record there can be (its head and
// a name of 65535 bytes), so that any record present in the file lies in it whole.
class CKmbWalkBuffer {
public:
    static constexpr std::size_t CHUNK_SIZE = 64 * 1024;
    static constexpr std::size_t SIZE = CHUNK_SIZE + RECORD_HEAD_SIZE + 0xFFFF;

    CKmbWalkBuffer();
    ~CKmbWalkBuffer();
    CKmbWalkBuffer(const CKmbWalkBuffer&) = delete;
    CKmbWalkBuffer& operator=(const CKmbWalkBuffer&) = delete;
    // Null when memory ran out.
    unsigned char* Bytes() const { return bytes; }

private:
    unsigned char* bytes;
};

class CKmbFileWalk {
public:
    explicit CKmbFileWalk(const CKmbWalkBuffer& buffer) : buffer(buffer.Bytes()) {}

    // Opens path and reads its header. False, with the reason, unless it is a regular file
    // that starts with a header of this format's version.
    bool Open(const char* path, LoadFailure& why);
    // The next record, as CKmbCursor::Next gives it; its bytes stay valid until the next call.
    // Inline for a record the buffer holds whole: the day text walks every record there is.
    bool Next(KmbRecordBytes& out) {
        if (!tally.More())
            return false;
        const std::size_t held = end - at;
        if (held < RECORD_HEAD_SIZE || held < RECORD_HEAD_SIZE + StatedNameLength(buffer + at))
            FillRecord();
        tally.Took(TakeRecord(buffer, end, at, out));
        return true;
    }
    // Once Next has returned false: whole, or cut short. A read that fails after the header
    // ends the bytes there, as a cut file's end does.
    KmbRecordCount Count() const { return tally.Count(); }

private:
    // Keeps the bytes from `at` on and reads until `need` of them are held or the file ends.
    void Fill(std::size_t need);
    // Reads on until the next record is in the buffer whole or the file has ended.
    void FillRecord();

    unsigned char* buffer;
    CRegularFile file;
    std::size_t at = 0, end = 0;
    CKmbRecordTally tally;
    bool atEof = false, failed = false;
};
