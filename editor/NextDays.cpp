#include "editor/NextDays.h"

#include "calendar/Calendar.h"
#include "calendar/JapanHolidays.h"
#include "calendar/Rules.h"

#include <cstdio>

void CHolidayYears::SetRules(const std::vector<KmdRule>& holidayRules) {
    rules = holidayRules;
    years.clear();
}

const CKmdHoliday& CHolidayYears::Year(unsigned year) {
    auto found = years.find(year);
    if (found != years.end())
        return found->second;
    CKmdHoliday& table = years[year];
    std::vector<JapanHoliday> national; // none outside the years the rules know
    JapanHolidays(year, national);
    for (const JapanHoliday& h : national)
        table.Mark(h.month, h.day, true);
    for (const KmdRule& r : rules)
        MarkRuleHolidays(r, year, table);
    return table;
}

std::vector<SYSTEMTIME> NextDays(const KmdRule& rule, const SYSTEMTIME& from, unsigned count,
                                 unsigned span, CHolidayYears& holidays) {
    std::vector<SYSTEMTIME> found;
    std::uint32_t y = from.wYear, m = from.wMonth, d = from.wDay;
    unsigned tableYear = 0;
    CKmdHoliday table;
    for (unsigned i = 0; i < span && found.size() < count; ++i, NextDay(y, m, d)) {
        if (y != tableYear || i == 0) {
            tableYear = y;
            table = holidays.Year(y);
            if (rule.flags.IsHoliday())
                MarkRuleHolidays(rule, y, table);
        }
        const SYSTEMTIME day = MakeDate(y, m, d);
        if (Matches(rule, day, table))
            found.push_back(day);
    }
    return found;
}

std::string NextDaysText(const std::vector<SYSTEMTIME>& days, unsigned thisYear) {
    std::string text = "次の日付：";
    for (std::size_t i = 0; i < days.size(); ++i) {
        const SYSTEMTIME& day = days[i];
        char one[40];
        if (day.wYear == thisYear)
            std::snprintf(one, sizeof one, "%u/%u(%s)", unsigned{day.wMonth}, unsigned{day.wDay},
                          WeekdayName(day.wDayOfWeek));
        else
            std::snprintf(one, sizeof one, "%u/%u/%u(%s)", unsigned{day.wYear},
                          unsigned{day.wMonth}, unsigned{day.wDay}, WeekdayName(day.wDayOfWeek));
        if (i > 0)
            text += "　";
        text += one;
    }
    return text;
}
