// Binary data files written byte by byte for the generator tests, independent of the writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct KmbRecord {
    unsigned months, startDay, endDay, weekday, flags;
    std::string name; // written with its length as given, up to 65535 bytes
};

inline std::string Le16(unsigned v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string KmbBytes(const std::vector<KmbRecord>& records) {
    std::string b = std::string("\x00\x00\x02\x00", 4) + Le16(records.size() & 0xFFFF) +
                    Le16(records.size() >> 16);
    for (const KmbRecord& r : records) {
        b += static_cast<char>(r.months);
        b += static_cast<char>(r.startDay);
        b += static_cast<char>(r.endDay);
        b += static_cast<char>(r.weekday);
        b += Le16(r.flags) + Le16(static_cast<unsigned>(r.name.size())) + r.name;
    }
    return b;
}
