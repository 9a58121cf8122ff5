// Gregorian date arithmetic on unsigned 32-bit values with truncating division.
// Weekdays: 0 = Sunday ... 6 = Saturday. Callers pass months 1-12; day numbers past the
// month's end are accepted where noted.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

// 28-31; defined for months 1-12.
std::uint32_t DaysInMonth(std::uint32_t year, std::uint32_t month);
// Accepts days past the month's end: the weekday of that many days after its start.
// Zeller-style congruence with January and February as months 13 and 14 of the year before.
// Inline, as matching calls it for most entries of every file.
inline std::uint32_t DayOfWeek(std::uint32_t year, std::uint32_t month, std::uint32_t day) {
    if (month == 1 || month == 2) {
        month += 12;
        year -= 1;
    }
    return (year + year / 4 - year / 100 + year / 400 + (13 * month + 8) / 5 + day) % 7;
}
// Day of the nth (n modulo 65536) weekday w in the month; may exceed the month's length.
inline std::uint32_t NthWeekday(std::uint32_t year, std::uint32_t month, std::uint32_t n,
                                std::uint32_t w) {
    const std::uint32_t f = DayOfWeek(year, month, 1);
    const std::uint32_t x = w >= f ? w - f + 1 : w - f + 8; // [1, 7]: the first such weekday
    const std::uint32_t k = static_cast<std::uint16_t>(n);
    return x + 7 * (k - 1);
}
// The seven-day block of the month: 1 for days 1-7 ... 5 for 29-31.
std::uint32_t WeekOfMonth(const SYSTEMTIME& date);
// January 1 = 1.
std::uint32_t DayOfYear(const SYSTEMTIME& date);
// Weeks run Sunday to Saturday, week 1 holds January 1; uses the date's own wDayOfWeek.
bool MatchesWeekParity(const SYSTEMTIME& date, bool odd);
// A date built by the engine: its weekday from DayOfWeek, the time fields zero.
SYSTEMTIME MakeDate(std::uint32_t year, std::uint32_t month, std::uint32_t day);
// One day later; a day at or past the month's end goes to the 1st of the next month.
void NextDay(std::uint32_t& year, std::uint32_t& month, std::uint32_t& day);
// One day earlier; a day past the month's end only counts down by one.
void PrevDay(std::uint32_t& year, std::uint32_t& month, std::uint32_t& day);
