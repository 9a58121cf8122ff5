// The one builder of binary data files for the tests: bytes written one by one from the
// layout, independent of the product's writer and of its layout helpers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline std::string Le16(unsigned v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string Le32(std::uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// The 8-byte header: version, then count.
inline std::string Header(std::uint32_t count, std::uint32_t version = 0x20000) {
    return Le32(version) + Le32(count);
}

// One on-disk record; `length` defaults to the name's size (up to 65535 bytes).
inline std::string Record(unsigned months, unsigned startDay, unsigned endDay, unsigned weekday,
                          unsigned flags, const std::string& name, int length = -1) {
    std::string b;
    b += static_cast<char>(months);
    b += static_cast<char>(startDay);
    b += static_cast<char>(endDay);
    b += static_cast<char>(weekday);
    return b + Le16(flags) + Le16(length < 0 ? static_cast<unsigned>(name.size()) : length) + name;
}

struct KmbRecord {
    unsigned months, startDay, endDay, weekday, flags;
    std::string name;
};

// A whole file of these records, its count from the list.
inline std::string KmbBytes(const std::vector<KmbRecord>& records) {
    std::string b = Header(static_cast<std::uint32_t>(records.size()));
    for (const KmbRecord& r : records)
        b += Record(r.months, r.startDay, r.endDay, r.weekday, r.flags, r.name);
    return b;
}

// An entry that applies every day of the year (a period from 1/1 to 12/31), and one that
// applies on month/day only.
inline KmbRecord EveryDay(const std::string& name) {
    return {0x1C, 1, 31, 0, 8, name};
}

inline KmbRecord OnDay(unsigned month, unsigned day, const std::string& name) {
    return {month << 4, day, 0, 0, 0, name};
}
