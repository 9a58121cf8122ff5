#include "calendar/Calendar.h"

std::uint32_t DaysInMonth(std::uint32_t year, std::uint32_t month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        if (year % 4 != 0)
            return 28;
        if (year % 100 != 0)
            return 29;
        return year % 400 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

std::uint32_t WeekOfMonth(const SYSTEMTIME& date) {
    return (static_cast<std::uint32_t>(date.wDay) - 1) / 7 + 1;
}

std::uint32_t DayOfYear(const SYSTEMTIME& date) {
    return DayNumber(date) - DayNumber(date.wYear, 1, 1) + 1;
}

bool MatchesWeekParity(const SYSTEMTIME& date, bool odd) {
    const std::uint32_t k = DayOfYear(date);
    std::uint32_t r = k % 7;
    if (r == 0)
        r = 7;
    std::uint32_t week = (k - 1) / 7 + 1;
    if (r > static_cast<std::uint32_t>(date.wDayOfWeek) + 1)
        ++week;
    return (week % 2 == 1) == odd;
}

void NextDay(std::uint32_t& year, std::uint32_t& month, std::uint32_t& day) {
    if (day < DaysInMonth(year, month)) {
        ++day;
    } else if (month < 12) {
        ++month;
        day = 1;
    } else {
        ++year;
        month = 1;
        day = 1;
    }
}

void PrevDay(std::uint32_t& year, std::uint32_t& month, std::uint32_t& day) {
    if (day > 1) {
        --day;
    } else if (month > 1) {
        --month;
        day = DaysInMonth(year, month);
    } else {
        --year;
        month = 12;
        day = 31;
    }
}

SYSTEMTIME MakeDate(std::uint32_t year, std::uint32_t month, std::uint32_t day) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wDayOfWeek = static_cast<WORD>(DayOfWeek(year, month, day));
    return st;
}

SYSTEMTIME DateOfDayNumber(std::uint32_t number) {
    const std::uint32_t z = number + 146037; // from 1 March of year -400, as DayNumber counts
    const std::uint32_t era = z / 146097;
    const std::uint32_t doe = z - era * 146097;                                      // [0, 146096]
    const std::uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const std::uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const std::uint32_t mp = (5 * doy + 2) / 153;                                    // [0, 11]
    const std::uint32_t day = doy - (153 * mp + 2) / 5 + 1;                          // [1, 31]
    const std::uint32_t month = mp < 10 ? mp + 3 : mp - 9;                           // [1, 12]
    const std::uint32_t year = yoe + era * 400 + (month <= 2 ? 1 : 0) - 400;
    return MakeDate(year, month, day);
}

bool AddDays(SYSTEMTIME& date, std::uint32_t n) {
    const std::uint64_t later = std::uint64_t{DayNumber(date)} + n; // no wrap for any n
    if (later > DayNumber(LAST_YEAR, 12, 31))
        return false;
    date = DateOfDayNumber(static_cast<std::uint32_t>(later));
    return true;
}

std::uint32_t CountDays(const SYSTEMTIME& from, const SYSTEMTIME& to) {
    return Before(to, from) ? 0 : DayNumber(to) - DayNumber(from) + 1;
}

const char* WeekdayName(std::uint32_t w) {
    static const char* const kNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
    return kNames[w % 7];
}
