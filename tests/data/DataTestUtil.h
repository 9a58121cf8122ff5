// Binary data files built byte by byte, independent of the writer, and entries compared
// through their packed images.
#pragma once

#include "EntryUtil.h"
#include "data/KmdDataFile.h"

#include <cstdint>
#include <string>
#include <vector>

inline std::string Le16(unsigned v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string Le32(std::uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

inline std::string Header(std::uint32_t count, std::uint32_t version = 0x20000) {
    return Le32(version) + Le32(count);
}

// One on-disk record; `length` defaults to the name's size.
inline std::string Record(unsigned months, unsigned startDay, unsigned endDay, unsigned weekday,
                          unsigned flags, const std::string& name, int length = -1) {
    std::string b;
    b += static_cast<char>(months);
    b += static_cast<char>(startDay);
    b += static_cast<char>(endDay);
    b += static_cast<char>(weekday);
    return b + Le16(flags) + Le16(length < 0 ? static_cast<unsigned>(name.size()) : length) + name;
}

inline std::string Image(const CKmdDate& e) {
    unsigned char buf[CKmdDate::PackedSize()];
    e.Pack(buf, sizeof buf);
    return std::string(reinterpret_cast<char*>(buf), sizeof buf);
}

inline std::vector<std::string> Images(const CKmdDataFile& file) {
    std::vector<std::string> out;
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        out.push_back(Image(e));
    }
    return out;
}

inline std::vector<std::uint32_t> Masks(const CKmdDataFile& file) {
    std::vector<std::uint32_t> out;
    for (unsigned m = 1; m <= 12; ++m)
        out.push_back(file.GetHolidays().GetMask(m));
    return out;
}
