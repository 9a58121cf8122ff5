// Entries compared through their packed images, and the shared builder of data files.
#pragma once

#include "EntryUtil.h"
#include "KmbBuilder.h"
#include "calendar/KmdDataFile.h"

#include <cstdint>
#include <string>
#include <vector>

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
