// The days a rule gives from a day on, for the entry edit dialog's preview line: each day is
// matched by the engine's one Matches against the holiday table of its own year, made of
// Japan's national holidays of that year and the days the open file's holiday entries mark in
// it, as a chip listing the file and that year's national holiday file would show it.
#pragma once

#include "data/KmdHoliday.h"
#include "data/KmdRule.h"
#include "platform/Platform.h"

#include <map>
#include <string>
#include <vector>

constexpr unsigned NEXT_DAYS_SHOWN = 5;
// Two years from today on, a leap day included.
constexpr unsigned NEXT_DAYS_SPAN = 731;

// The days off the preview moves entries off, one table per year, each made once.
class CHolidayYears {
public:
    // The holiday entries whose days count (the entry being edited left out: its working
    // values count instead).
    void SetRules(const std::vector<KmdRule>& holidayRules);
    const CKmdHoliday& Year(unsigned year);

private:
    std::vector<KmdRule> rules;
    std::map<unsigned, CKmdHoliday> years;
};

// The first `count` days of the `span` days from `from` on on which `rule` applies; a holiday
// entry's own days are added to each year's table, as loading it with the file would.
std::vector<SYSTEMTIME> NextDays(const KmdRule& rule, const SYSTEMTIME& from, unsigned count,
                                 unsigned span, CHolidayYears& holidays);

// "次の日付：" and the days, "M/D(曜)" each, with the year in front for a day outside
// `thisYear`, apart by a full-width space.
std::string NextDaysText(const std::vector<SYSTEMTIME>& days, unsigned thisYear);
