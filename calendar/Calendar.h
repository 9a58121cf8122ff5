// Gregorian date arithmetic on unsigned 32-bit values with truncating division.
// Weekdays: 0 = Sunday ... 6 = Saturday. Callers pass months 1-12; day numbers past the
// month's end are accepted where noted. Differences and sums of days go through the serial
// day number; the weekday, the moves and the walks keep their own given formulas.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

// The last year a date may have: a date prints with four digits.
constexpr std::uint32_t LAST_YEAR = 9999;

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
// The days since 1 January of year 0 of the proleptic Gregorian calendar, in the manner of
// days_from_civil: the year counted from March, so that the leap day ends it. Accepts days
// past the month's end, as that many days after its start. Any year 0-65535.
inline std::uint32_t DayNumber(std::uint32_t year, std::uint32_t month, std::uint32_t day) {
    // One cycle of 400 years on (the same calendar), so that January of year 0 never wraps.
    const std::uint32_t y = year + 400 - (month <= 2 ? 1 : 0); // [399, 65935]
    const std::uint32_t era = y / 400;                         // [0, 164]
    const std::uint32_t yoe = y - era * 400;                   // [0, 399]
    const std::uint32_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::uint32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy; // [0, 146096] for real days
    return era * 146097 + doe - 146037; // counted from 1 March of year -400: 1 January of 0 is 0
}
inline std::uint32_t DayNumber(const SYSTEMTIME& date) {
    return DayNumber(date.wYear, date.wMonth, date.wDay);
}
// The date of a day number, its weekday from DayOfWeek; civil_from_days, inverting DayNumber.
SYSTEMTIME DateOfDayNumber(std::uint32_t number);
// Date order by year, month and day.
inline bool Before(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return DayNumber(a) < DayNumber(b);
}
// n days later; false, with the date unchanged, when that passes LAST_YEAR.
bool AddDays(SYSTEMTIME& date, std::uint32_t n);
// The days of [from, to], both ends counted; 0 when to is before from.
std::uint32_t CountDays(const SYSTEMTIME& from, const SYSTEMTIME& to);
// The weekday's one-character name, 日 to 土, code page 932; w taken modulo 7.
const char* WeekdayName(std::uint32_t w);

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
