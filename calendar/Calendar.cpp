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
    std::uint32_t k = 0;
    for (std::uint32_t m = 1; m < date.wMonth; ++m)
        k += DaysInMonth(date.wYear, m);
    return k + date.wDay;
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
