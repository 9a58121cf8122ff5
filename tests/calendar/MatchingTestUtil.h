// Building entries and dates for the matching tests.
#pragma once

#include "calendar/Calendar.h"
#include "calendar/KmdHoliday.h"
#include "data/KmdDate.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

// An entry with raw field bytes, as a foreign or imported file may hold them.
inline CKmdDate RawEntry(unsigned months, unsigned startDay, unsigned endDay, unsigned weekday,
                         unsigned flags, const char* name = "x") {
    unsigned char img[134] = {};
    img[0] = static_cast<unsigned char>(months);
    img[1] = static_cast<unsigned char>(startDay);
    img[2] = static_cast<unsigned char>(endDay);
    img[3] = static_cast<unsigned char>(weekday);
    img[4] = static_cast<unsigned char>(flags & 0xFF);
    img[5] = static_cast<unsigned char>(flags >> 8);
    std::strncpy(reinterpret_cast<char*>(img + 6), name, 128);
    CKmdDate e;
    e.Unpack(img, sizeof img);
    return e;
}

// Start month m (high nibble), end month 0.
inline unsigned M(unsigned m) {
    return m << 4;
}
inline unsigned Week(unsigned n) {
    return n << DF_WEEK_SHIFT;
}

inline CKmdHoliday Holidays(std::initializer_list<std::pair<unsigned, unsigned>> days) {
    CKmdHoliday h;
    for (const auto& md : days)
        h.Mark(md.first, md.second, true);
    return h;
}

// The days of one month on which the entry applies.
inline std::vector<unsigned> Applying(const CKmdDate& e, unsigned y, unsigned m,
                                      const CKmdHoliday& h = CKmdHoliday()) {
    std::vector<unsigned> days;
    for (unsigned d = 1; d <= DaysInMonth(y, m); ++d)
        if (e.Matches(MakeDate(y, m, d), h))
            days.push_back(d);
    return days;
}
using Days = std::vector<unsigned>;
