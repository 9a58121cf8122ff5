// Building entries and dates for the matching tests.
#pragma once

#include "EntryUtil.h"
#include "calendar/Calendar.h"
#include "calendar/Rules.h"
#include "data/KmdDate.h"
#include "data/KmdHoliday.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

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
        if (Matches(e.GetRule(), MakeDate(y, m, d), h))
            days.push_back(d);
    return days;
}
using Days = std::vector<unsigned>;
