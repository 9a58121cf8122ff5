// Japan's national holidays and the days off the holiday law adds to them, for 2000-2099,
// by the law as it stands in 2026: the national holiday law with its amendments since 2000
// and the one-off acts for 2019, 2020 and 2021. A later change of the law needs new rules.
#pragma once

#include <vector>

constexpr unsigned JAPAN_HOLIDAYS_FIRST_YEAR = 2000;
constexpr unsigned JAPAN_HOLIDAYS_LAST_YEAR = 2099;

struct JapanHoliday {
    unsigned month;
    unsigned day;
    const char* name; // as published, code page 932
};

// The days in March and September, by the standard approximation for 1980-2099.
unsigned SpringEquinoxDay(unsigned year);
unsigned AutumnEquinoxDay(unsigned year);

// Every day off of the year in date order, substitute holidays (振替休日) and citizens'
// holidays (国民の休日) included. False, with `out` empty, outside 2000-2099.
bool JapanHolidays(unsigned year, std::vector<JapanHoliday>& out);
