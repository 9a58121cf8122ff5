// The day-by-day meaning of a chip, shared by the tests that check other views against it:
// random rules of any form, the text and the names a chip shows on a day with the clock set.
#pragma once

#include "KmbBuilder.h"
#include "calendar/DayText.h"
#include "data/KmdDateFlags.h"
#include "platform/Clock.h"

#include <random>
#include <string>
#include <vector>

// Any fields at all, the moves off holidays among them; every fifth entry a holiday, every
// seventh without a name. Names are the prefix and the entry's number.
inline std::vector<KmbRecord> RandomRules(std::mt19937& rng, unsigned n,
                                          const std::string& prefix) {
    std::vector<KmbRecord> rules;
    for (unsigned i = 0; i < n; ++i) {
        auto r = [&](unsigned n) { return static_cast<unsigned>(rng() % n); };
        const unsigned flags =
            r(9) | (r(0x4000) & 0x3FF0 & ~DF_HOLIDAY) | (i % 5 == 0 ? DF_HOLIDAY : 0);
        rules.push_back({(1 + r(12)) << 4 | r(13), r(32), r(32), r(7), flags,
                         i % 7 == 3 ? "" : prefix + std::to_string(i)});
    }
    return rules;
}

// A year's holidays about its end, which differ from year to year: fixed days and nth
// weekdays (which need the year), some without a name, so that reading the wrong year's
// shows. Names are the prefix, the year and the entry's number.
inline std::vector<KmbRecord> YearEndHolidays(std::mt19937& rng, unsigned year,
                                              const std::string& prefix) {
    std::vector<KmbRecord> days;
    for (unsigned i = 0; i < 12; ++i) {
        const unsigned month = (rng() % 2 ? 12u : 1u) << 4;
        const std::string name = i % 4 == 0 ? "" : prefix + std::to_string(year * 100 + i);
        if (i % 2)
            days.push_back(
                {month, 1 + static_cast<unsigned>(rng() % 31), 0, 0, DT_DAY | DF_HOLIDAY, name});
        else
            days.push_back(
                {month, 0, 0, static_cast<unsigned>(rng() % 7),
                 DT_MONTHLY | DF_HOLIDAY | static_cast<unsigned>(1 + rng() % 4) << DF_WEEK_SHIFT,
                 name});
    }
    return days;
}

// What the plug-in would hand the host for this chip text, with the clock at now.
inline std::string InProcess(const std::string& chip, const SYSTEMTIME& date,
                             const SYSTEMTIME& now) {
    SetClockOverride(&now);
    const std::string s = MakeDayText(chip.c_str(), date);
    SetClockOverride(nullptr);
    return s;
}

// The names the chip shows on d with the clock at d ("なし" is none).
inline std::vector<std::string> NamesOn(const std::string& chip, const SYSTEMTIME& d) {
    const std::string text = InProcess(chip, d, d);
    std::vector<std::string> names;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;) {
        const std::size_t next = text.find("\r\n", at + 2);
        names.push_back(text.substr(at + 2, next == std::string::npos ? next : next - at - 2));
        at = next;
    }
    if (names.size() == 1 && names[0] == "なし")
        names.clear();
    return names;
}
