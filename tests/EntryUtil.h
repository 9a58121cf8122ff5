// Entries built from raw field bytes, as a foreign or imported file may hold them.
#pragma once

#include "data/KmdDate.h"

#include <string>

// Every byte as given (no range checks); the name takes at most 128 bytes, zero-filled.
inline CKmdDate RawEntry(unsigned months, unsigned startDay, unsigned endDay, unsigned weekday,
                         unsigned flags, const std::string& name = "x") {
    unsigned char image[CKmdDate::PackedSize()] = {};
    image[0] = static_cast<unsigned char>(months);
    image[1] = static_cast<unsigned char>(startDay);
    image[2] = static_cast<unsigned char>(endDay);
    image[3] = static_cast<unsigned char>(weekday);
    image[4] = static_cast<unsigned char>(flags & 0xFF);
    image[5] = static_cast<unsigned char>(flags >> 8);
    for (std::size_t i = 0; i < name.size() && i < 128; ++i)
        image[6 + i] = static_cast<unsigned char>(name[i]);
    CKmdDate e;
    e.Unpack(image, sizeof image);
    return e;
}
