// The on-disk record: months, startDay, endDay, weekday (1 byte each), flags (2), the name
// length L (2), then L name bytes without terminator. Little-endian, unaligned.
#include "data/KmdDate.h"

#include <cstring>
#include <istream>
#include <ostream>

namespace {
bool ReadByte(std::istream& in, std::uint8_t& out) {
    char c;
    if (!in.get(c))
        return false;
    out = static_cast<std::uint8_t>(c);
    return true;
}

// A 16-bit value read in full, or nothing stored.
bool ReadWord(std::istream& in, std::uint16_t& out) {
    unsigned char b[2];
    if (!in.read(reinterpret_cast<char*>(b), 2))
        return false;
    out = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}
} // namespace

bool CKmdDate::ReadFrom(std::istream& in) {
    if (!ReadByte(in, months) || !ReadByte(in, startDay) || !ReadByte(in, endDay) ||
        !ReadByte(in, weekday))
        return false;
    std::uint16_t word;
    if (!ReadWord(in, word))
        return false;
    flags.SetWord(word);
    std::memset(name, 0, sizeof name);
    std::uint16_t length;
    if (!ReadWord(in, length))
        return false;
    // Only 127 bytes fit with the terminator; a longer name from a damaged or foreign file
    // keeps its first 127 bytes and the rest is skipped.
    const std::size_t kept = length > KMD_NAME_MAX ? KMD_NAME_MAX : length;
    in.read(name, static_cast<std::streamsize>(kept));
    if (static_cast<std::size_t>(in.gcount()) < kept)
        return false; // the bytes present stay
    if (length > kept) {
        in.ignore(length - kept);
        if (static_cast<std::size_t>(in.gcount()) < length - kept)
            return false;
    }
    return true;
}

bool CKmdDate::WriteTo(std::ostream& out) const {
    // A pasted image may hold a name field without NUL: never look past the field.
    const std::size_t length = strnlen(name, KMD_NAME_MAX);
    unsigned char head[8] = {months,
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
