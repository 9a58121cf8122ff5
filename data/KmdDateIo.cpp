// The on-disk record: months, startDay, endDay, weekday (1 byte each), flags (2), the name
// length L (2), then L name bytes without terminator. Little-endian, unaligned.
#include "data/KmdDate.h"

#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

namespace {
constexpr std::size_t RECORD_HEAD = 8;
}

std::size_t CKmdDate::ReadFrom(const unsigned char* bytes, std::size_t size, bool& whole) {
    // Fields are stored only when read in full; a field cut by the end stays as it was.
    whole = false;
    std::uint8_t* const single[4] = {&months, &startDay, &endDay, &weekday};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i >= size)
            return size;
        *single[i] = bytes[i];
    }
    if (size < 6)
        return size;
    flags.SetWord(static_cast<std::uint16_t>(bytes[4] | (bytes[5] << 8)));
    std::memset(name, 0, sizeof name);
    if (size < RECORD_HEAD)
        return size;
    const std::size_t length = bytes[6] | (bytes[7] << 8);
    // Only 127 bytes fit with the terminator; a longer name from a damaged or foreign file
    // keeps its first 127 bytes and the rest is skipped.
    const std::size_t rest = size - RECORD_HEAD;
    const std::size_t present = length < rest ? length : rest;
    std::memcpy(name, bytes + RECORD_HEAD, present < KMD_NAME_MAX ? present : KMD_NAME_MAX);
    whole = present == length;
    return RECORD_HEAD + present;
}

bool CKmdDate::ReadFrom(std::istream& in) {
    std::vector<unsigned char> record(RECORD_HEAD);
    in.read(reinterpret_cast<char*>(record.data()), RECORD_HEAD);
    std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got == RECORD_HEAD) {
        const std::size_t length = record[6] | (record[7] << 8);
        record.resize(RECORD_HEAD + length);
        in.read(reinterpret_cast<char*>(record.data() + RECORD_HEAD),
                static_cast<std::streamsize>(length));
        got += static_cast<std::size_t>(in.gcount());
    }
    bool whole;
    ReadFrom(record.data(), got, whole);
    return whole;
}

bool CKmdDate::WriteTo(std::ostream& out) const {
    // A pasted image may hold a name field without NUL: never look past the field.
    const std::size_t length = strnlen(name, KMD_NAME_MAX);
    unsigned char head[RECORD_HEAD] = {months,
                                       startDay,
                                       endDay,
                                       weekday,
                                       static_cast<unsigned char>(flags.GetWord() & 0xFF),
                                       static_cast<unsigned char>(flags.GetWord() >> 8),
                                       static_cast<unsigned char>(length & 0xFF),
                                       static_cast<unsigned char>(length >> 8)};
    out.write(reinterpret_cast<const char*>(head), sizeof head);
    out.write(name, static_cast<std::streamsize>(length));
    return out.good();
}
