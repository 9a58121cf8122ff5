// The on-disk record read from and written to a stream. Kept apart from the byte forms so
// that programs which never use a stream (the plug-in) link none of the stream library.
#include "data/KmdDate.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

bool CKmdDate::ReadFrom(std::istream& in) {
    std::vector<unsigned char> record(RECORD_HEAD_SIZE);
    in.read(reinterpret_cast<char*>(record.data()), RECORD_HEAD_SIZE);
    std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got == RECORD_HEAD_SIZE) {
        const std::size_t length = StatedNameLength(record.data());
        record.resize(RECORD_HEAD_SIZE + length);
        in.read(reinterpret_cast<char*>(record.data() + RECORD_HEAD_SIZE),
                static_cast<std::streamsize>(length));
        got += static_cast<std::size_t>(in.gcount());
    }
    std::size_t at = 0;
    KmbRecordBytes taken;
    const bool whole = TakeRecord(record.data(), got, at, taken);
    ReadFrom(taken);
    return whole;
}

bool CKmdDate::WriteTo(std::ostream& out) const {
    std::string record;
    WriteTo(record);
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    return out.good();
}
