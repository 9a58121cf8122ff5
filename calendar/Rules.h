// The rules of date entries: whether an entry applies on a date (its nominal date in the
// date's week block or month, the move off off-days, then the comparison its type asks for),
// and the days a holiday entry marks. Free functions over the fields a record gives, so that
// entries are matched where they lie; marking and matching share the nominal-day forms.
#pragma once

#include "data/KmdHoliday.h"
#include "data/KmdRule.h"
#include "platform/Platform.h"

#include <cstdint>

// The one test of whether an entry applies on a date, against the holiday table.
bool Matches(const KmdRule& rule, const SYSTEMTIME& date, const CKmdHoliday& holidays);
// The same test on each of `count` dates (at most 32): bit i set when the rule applies on
// dates[i]. The rule is decoded once, and its effective date, which depends on a date only
// through its block (the year and month, and the seven-day block of the weekly types), is
// built once per block rather than once per date.
std::uint32_t MatchesOn(const KmdRule& rule, const SYSTEMTIME* dates, unsigned count,
                        const CKmdHoliday& holidays);

// Whether matching the rule reads the holiday table: only an entry that moves off Sundays,
// Saturdays or holidays does.
inline bool ConsultsHolidays(const KmdRule& rule) {
    return rule.flags.IsShiftSunHol() || rule.flags.IsShiftSatSunHol() ||
           rule.flags.IsPaydayShift();
}

// The stages of Matches, for callers that show them.
bool EffectiveDate(const KmdRule& rule, const SYSTEMTIME& date, SYSTEMTIME& cand,
                   const CKmdHoliday& holidays);
bool NominalDate(const KmdRule& rule, const SYSTEMTIME& date, SYSTEMTIME& cand);
void DateInMonth(const KmdRule& rule, const SYSTEMTIME& date, SYSTEMTIME& cand);
// A day to move away from: a Sunday, a Saturday when saturdayOff, or a marked holiday.
bool IsOffDay(bool saturdayOff, unsigned year, unsigned month, unsigned day,
              const CKmdHoliday& holidays);

// Marks the days a holiday entry yields in `year` (whether the entry is flagged as a holiday
// is the caller's test).
void MarkRuleHolidays(const KmdRule& rule, unsigned year, CKmdHoliday& table);
