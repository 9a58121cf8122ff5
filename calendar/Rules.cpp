#include "calendar/Rules.h"

#include "calendar/Calendar.h"

#include <cstdint>
#include <cstring>

namespace {
// The ordinary move gives up after a year of steps: a table that makes every reachable day
// off would otherwise keep it going for ever. The payday step is not counted.
constexpr unsigned kMaxMoveSteps = 366;

bool IsMonth(unsigned m) {
    return m >= 1 && m <= 12;
}

// Only a date with a real month and day is evaluated; no calendar call sees anything else.
bool IsEvaluable(const SYSTEMTIME& date) {
    return IsMonth(date.wMonth) && date.wDay >= 1 && date.wDay <= 31;
}

// The entry's weekday on the 0 = Sunday scale. 0 (none) and 8-15 (foreign files) give none,
// so that weekday - 1 never wraps round into a real weekday.
bool EntryWeekday(unsigned weekday, std::uint32_t& w) {
    if (weekday < 1 || weekday > 7)
        return false;
    w = weekday - 1;
    return true;
}

// The month test of the alternate-month and quarter types; true for the other types.
bool InEntryMonths(unsigned type, bool odd, unsigned month) {
    switch (type) {
    case DT_BIMONTHLY:
        return (month % 2 == 1) == odd;
    case DT_QUARTER1:
        return month % 3 == 1;
    case DT_QUARTER2:
        return month % 3 == 2;
    case DT_QUARTER3:
        return month % 3 == 0;
    default:
        return true;
    }
}

bool PeriodApplies(const KmdRule& r, unsigned m, unsigned d) {
    if (r.startMonth < m && m < r.endMonth)
        return true;
    if (m == r.startMonth && m == r.endMonth)
        return r.startDay <= d && d <= r.endDay;
    if (m == r.startMonth)
        return d >= r.startDay;
    if (m == r.endMonth)
        return d >= 1 && d <= r.endDay;
    return false;
}

WORD Word(std::uint32_t v) {
    return static_cast<WORD>(v);
}

// The entry's day in a real month M of the month-based types, with its weekday: the nth
// weekday, the last day, the last such weekday, or the start day. False when it has none
// (a form that needs a weekday without one, or no start day).
bool DayInMonth(const KmdRule& r, std::uint32_t year, std::uint32_t m, std::uint32_t& day,
                std::uint32_t& dow) {
    const unsigned week = r.flags.GetWeek();
    std::uint32_t w = 0;
    if (week != 0) {
        if (!EntryWeekday(r.weekday, w))
            return false;
        day = NthWeekday(year, m, week, w);
        dow = w;
    } else if (r.flags.IsLast() && r.weekday == 0) {
        day = DaysInMonth(year, m);
        dow = DayOfWeek(year, m, day);
    } else if (r.flags.IsLast()) {
        if (!EntryWeekday(r.weekday, w))
            return false;
        day = DaysInMonth(year, m);
        for (int i = 0; i < 6 && DayOfWeek(year, m, day) != w; ++i)
            --day;
        dow = w;
    } else {
        if (r.startDay == 0)
            return false;
        day = r.startDay;
        dow = DayOfWeek(year, m, day);
    }
    return true;
}
} // namespace

bool IsOffDay(bool saturdayOff, unsigned year, unsigned month, unsigned day,
              const CKmdHoliday& holidays) {
    if (!IsMonth(month))
        return false;
    const std::uint32_t w = DayOfWeek(year, month, day);
    if (w == 0)
        return true;
    if (saturdayOff && w == 6)
        return true;
    return holidays.IsHoliday(month, day);
}

void DateInMonth(const KmdRule& r, const SYSTEMTIME& date, SYSTEMTIME& cand) {
    // A start month picks the month only in the nth-weekday form of the monthly type.
    const unsigned m =
        r.flags.GetType() == DT_MONTHLY && r.startMonth != 0 && r.flags.GetWeek() != 0
            ? r.startMonth
            : date.wMonth;
    cand.wYear = date.wYear;
    cand.wMonth = Word(m);
    cand.wDay = 0;
    cand.wDayOfWeek = 0;
    // Month 13-15 of a foreign file: no day, so no nominal date (and no calendar call).
    std::uint32_t day, dow;
    if (IsMonth(m) && DayInMonth(r, date.wYear, m, day, dow)) {
        cand.wDay = Word(day);
        cand.wDayOfWeek = Word(dow);
    }
}

bool NominalDate(const KmdRule& r, const SYSTEMTIME& date, SYSTEMTIME& cand) {
    std::memset(&cand, 0, sizeof cand);
    if (!IsEvaluable(date))
        return false;
    const unsigned type = r.flags.GetType();
    std::uint32_t w = 0;
    switch (type) {
    case DT_DAY:
        if (!IsMonth(r.startMonth) || r.startDay == 0)
            return false;
        cand.wYear = date.wYear;
        cand.wMonth = Word(r.startMonth);
        cand.wDay = Word(r.startDay);
        cand.wDayOfWeek = Word(DayOfWeek(date.wYear, r.startMonth, r.startDay));
        return true;
    case DT_BIWEEKLY:
        if (!MatchesWeekParity(date, r.flags.IsOdd()))
            return false;
        [[fallthrough]]; // the rest is the weekly rule
    case DT_WEEKLY:
        if (!EntryWeekday(r.weekday, w))
            return false;
        cand.wYear = date.wYear;
        cand.wMonth = date.wMonth;
        cand.wDay = Word(NthWeekday(date.wYear, date.wMonth, WeekOfMonth(date), w));
        cand.wDayOfWeek = Word(w);
        return true;
    case DT_MONTHLY:
    case DT_BIMONTHLY:
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        if (!InEntryMonths(type, r.flags.IsOdd(), date.wMonth))
            return false;
        DateInMonth(r, date, cand);
        // Day 0 would otherwise become the 1st (or the month before) through a move.
        return IsMonth(cand.wMonth) && cand.wDay != 0;
    default:
        return true; // periods and the unused types build no candidate
    }
}

bool EffectiveDate(const KmdRule& r, const SYSTEMTIME& date, SYSTEMTIME& cand,
                   const CKmdHoliday& holidays) {
    if (!NominalDate(r, date, cand))
        return false;
    const bool sunHol = r.flags.IsShiftSunHol();
    const bool satSunHol = r.flags.IsShiftSatSunHol();
    const bool payday = r.flags.IsPaydayShift();
    if (!sunHol && !satSunHol && !payday)
        return true;
    // Periods and the unused types have no candidate to move.
    if (!IsMonth(cand.wMonth))
        return true;

    std::uint32_t y = cand.wYear, m = cand.wMonth, d = cand.wDay;
    const bool saturdayOff = satSunHol;
    if (payday && IsOffDay(saturdayOff, y, m, d, holidays)) {
        std::uint32_t ny = y, nm = m, nd = d;
        NextDay(ny, nm, nd);
        if (IsOffDay(saturdayOff, ny, nm, nd, holidays)) {
            // The day before the nominal date itself, also when that date lies past the
            // month's end (a 31st in April goes back to the 30th).
            PrevDay(y, m, d);
        } else {
            y = ny;
            m = nm;
            d = nd;
        }
    }
    const bool later = r.flags.IsShiftLater();
    for (unsigned steps = 0; IsOffDay(saturdayOff, y, m, d, holidays); ++steps) {
        if (steps == kMaxMoveSteps)
            return false;
        if (later)
            NextDay(y, m, d);
        else
            PrevDay(y, m, d);
    }
    cand.wMonth = Word(m);
    cand.wDay = Word(d);
    cand.wDayOfWeek = Word(DayOfWeek(y, m, d));
    return true;
}

bool Matches(const KmdRule& r, const SYSTEMTIME& date, const CKmdHoliday& holidays) {
    if (!IsEvaluable(date))
        return false;
    const unsigned type = r.flags.GetType();
    SYSTEMTIME cand;
    switch (type) {
    case DT_DAY:
        // Most entries of a large file are of this type: a day that can never move onto the
        // date is settled without building a candidate.
        if (!r.flags.IsShiftSunHol() && !r.flags.IsShiftSatSunHol() && !r.flags.IsPaydayShift())
            return r.startMonth == date.wMonth && r.startDay == date.wDay;
        [[fallthrough]];
    case DT_MONTHLY:
        return EffectiveDate(r, date, cand, holidays) && cand.wMonth == date.wMonth &&
               cand.wDay == date.wDay;
    case DT_WEEKLY:
        return EffectiveDate(r, date, cand, holidays) && cand.wDayOfWeek == date.wDayOfWeek;
    case DT_BIWEEKLY:
        return MatchesWeekParity(date, r.flags.IsOdd()) && EffectiveDate(r, date, cand, holidays) &&
               cand.wDayOfWeek == date.wDayOfWeek;
    case DT_BIMONTHLY:
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        // Only the day is compared: a move across the month's end still counts by its number.
        return InEntryMonths(type, r.flags.IsOdd(), date.wMonth) &&
               EffectiveDate(r, date, cand, holidays) && cand.wDay == date.wDay;
    case DT_PERIOD:
        return PeriodApplies(r, date.wMonth, date.wDay);
    default:
        return false;
    }
}

void MarkRuleHolidays(const KmdRule& r, unsigned year, CKmdHoliday& table) {
    const bool hasWeekday = r.weekday >= 1 && r.weekday <= 7;
    const unsigned w = r.weekday - 1;
    bool months[13] = {};

    switch (r.flags.GetType()) {
    case DT_DAY:
        if (IsMonth(r.startMonth))
            table.Mark(r.startMonth, r.startDay, true);
        return;
    case DT_WEEKLY:
    case DT_BIWEEKLY:
        // Every such weekday of the year; of alternate weeks only those of the entry's parity.
        if (!hasWeekday)
            return;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = NthWeekday(year, m, 1, w); d <= DaysInMonth(year, m); d += 7) {
                if (r.flags.GetType() == DT_BIWEEKLY) {
                    SYSTEMTIME st{};
                    st.wYear = Word(year);
                    st.wMonth = Word(m);
                    st.wDay = Word(d);
                    st.wDayOfWeek = Word(w);
                    if (!MatchesWeekParity(st, r.flags.IsOdd()))
                        continue;
                }
                table.Mark(m, d, true);
            }
        return;
    case DT_MONTHLY:
        if (r.startMonth == 0) {
            for (unsigned m = 1; m <= 12; ++m)
                months[m] = true;
        } else if (IsMonth(r.startMonth)) {
            months[r.startMonth] = true;
        }
        break;
    case DT_BIMONTHLY:
        for (unsigned m = r.flags.IsOdd() ? 1 : 2; m <= 12; m += 2)
            months[m] = true;
        break;
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        for (unsigned m = r.flags.GetType() - DT_QUARTER1 + 1; m <= 12; m += 3)
            months[m] = true;
        break;
    case DT_PERIOD: {
        if (r.startMonth > r.endMonth)
            return;
        // Clipped to real months: the start day counts only in the start month, the end day
        // only in the end month.
        const unsigned first = r.startMonth < 1 ? 1 : r.startMonth;
        const unsigned last = r.endMonth > 12 ? 12 : r.endMonth;
        for (unsigned m = first; m <= last; ++m) {
            const unsigned from = m == r.startMonth ? r.startDay : 1;
            const unsigned to = m == r.endMonth ? r.endDay : DaysInMonth(year, m);
            for (unsigned d = from; d <= to && d <= 31; ++d)
                table.Mark(m, d, true);
        }
        return;
    }
    default:
        return; // types 9-15 mark nothing
    }
    for (unsigned m = 1; m <= 12; ++m) {
        std::uint32_t day, dow;
        if (months[m] && DayInMonth(r, year, m, day, dow))
            table.Mark(m, day, true); // Mark ignores a day past 31
    }
}
