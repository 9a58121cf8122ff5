// Whether one date entry applies on a date: its nominal date in the date's week block or
// month, the move off off-days, then the comparison the entry type asks for.
#include "calendar/Calendar.h"
#include "calendar/KmdHoliday.h"
#include "data/KmdDate.h"

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

bool PeriodApplies(unsigned startMonth, unsigned startDay, unsigned endMonth, unsigned endDay,
                   unsigned m, unsigned d) {
    if (startMonth < m && m < endMonth)
        return true;
    if (m == startMonth && m == endMonth)
        return startDay <= d && d <= endDay;
    if (m == startMonth)
        return d >= startDay;
    if (m == endMonth)
        return d >= 1 && d <= endDay;
    return false;
}

WORD Word(std::uint32_t v) {
    return static_cast<WORD>(v);
}
} // namespace

bool CKmdDate::IsOffDay(bool saturdayOff, unsigned year, unsigned month, unsigned day,
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

void CKmdDate::DateInMonth(const SYSTEMTIME& date, SYSTEMTIME& cand) const {
    const unsigned week = flags.GetWeek();
    const unsigned entryMonth = GetStartMonth();
    // A start month picks the month only in the nth-weekday form of the monthly type.
    const unsigned m =
        flags.GetType() == DT_MONTHLY && entryMonth != 0 && week != 0 ? entryMonth : date.wMonth;
    cand.wYear = date.wYear;
    cand.wMonth = Word(m);
    cand.wDay = 0;
    cand.wDayOfWeek = 0;
    // Month 13-15 of a foreign file: no day, so no nominal date (and no calendar call).
    if (!IsMonth(m))
        return;

    std::uint32_t w = 0;
    if (week != 0) {
        if (!EntryWeekday(GetWeekday(), w))
            return;
        cand.wDay = Word(NthWeekday(date.wYear, m, week, w));
        cand.wDayOfWeek = Word(w);
    } else if (flags.IsLast() && GetWeekday() == 0) {
        const std::uint32_t d = DaysInMonth(date.wYear, m);
        cand.wDay = Word(d);
        cand.wDayOfWeek = Word(DayOfWeek(date.wYear, m, d));
    } else if (flags.IsLast()) {
        if (!EntryWeekday(GetWeekday(), w))
            return;
        std::uint32_t d = DaysInMonth(date.wYear, m);
        for (int i = 0; i < 6 && DayOfWeek(date.wYear, m, d) != w; ++i)
            --d;
        cand.wDay = Word(d);
        cand.wDayOfWeek = Word(w);
    } else if (startDay != 0) {
        cand.wDay = startDay;
        cand.wDayOfWeek = Word(DayOfWeek(date.wYear, m, startDay));
    }
}

bool CKmdDate::NominalDate(const SYSTEMTIME& date, SYSTEMTIME& cand) const {
    std::memset(&cand, 0, sizeof cand);
    if (!IsEvaluable(date))
        return false;
    const unsigned type = flags.GetType();
    std::uint32_t w = 0;
    switch (type) {
    case DT_DAY:
        if (!IsMonth(GetStartMonth()) || startDay == 0)
            return false;
        cand.wYear = date.wYear;
        cand.wMonth = Word(GetStartMonth());
        cand.wDay = startDay;
        cand.wDayOfWeek = Word(DayOfWeek(date.wYear, GetStartMonth(), startDay));
        return true;
    case DT_BIWEEKLY:
        if (!MatchesWeekParity(date, flags.IsOdd()))
            return false;
        [[fallthrough]]; // the rest is the weekly rule
    case DT_WEEKLY:
        if (!EntryWeekday(GetWeekday(), w))
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
        if (!InEntryMonths(type, flags.IsOdd(), date.wMonth))
            return false;
        DateInMonth(date, cand);
        // Day 0 would otherwise become the 1st (or the month before) through a move.
        return IsMonth(cand.wMonth) && cand.wDay != 0;
    default:
        return true; // periods and the unused types build no candidate
    }
}

bool CKmdDate::EffectiveDate(const SYSTEMTIME& date, SYSTEMTIME& cand,
                             const CKmdHoliday& holidays) const {
    if (!NominalDate(date, cand))
        return false;
    const bool sunHol = flags.IsShiftSunHol();
    const bool satSunHol = flags.IsShiftSatSunHol();
    const bool payday = flags.IsPaydayShift();
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
    const bool later = flags.IsShiftLater();
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

bool CKmdDate::Matches(const SYSTEMTIME& date, const CKmdHoliday& holidays) const {
    if (!IsEvaluable(date))
        return false;
    const unsigned type = flags.GetType();
    SYSTEMTIME cand;
    std::memset(&cand, 0, sizeof cand);
    switch (type) {
    case DT_DAY:
    case DT_MONTHLY:
        return EffectiveDate(date, cand, holidays) && cand.wMonth == date.wMonth &&
               cand.wDay == date.wDay;
    case DT_WEEKLY:
        return EffectiveDate(date, cand, holidays) && cand.wDayOfWeek == date.wDayOfWeek;
    case DT_BIWEEKLY:
        return MatchesWeekParity(date, flags.IsOdd()) && EffectiveDate(date, cand, holidays) &&
               cand.wDayOfWeek == date.wDayOfWeek;
    case DT_BIMONTHLY:
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        // Only the day is compared: a move across the month's end still counts by its number.
        return InEntryMonths(type, flags.IsOdd(), date.wMonth) &&
               EffectiveDate(date, cand, holidays) && cand.wDay == date.wDay;
    case DT_PERIOD:
        return PeriodApplies(GetStartMonth(), startDay, GetEndMonth(), endDay, date.wMonth,
                             date.wDay);
    default:
        return false;
    }
}
