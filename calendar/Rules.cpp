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
        day -= (DayOfWeek(year, m, day) + 7 - w) % 7; // back to the last such weekday
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

namespace {
// IsOffDay of a day of a real month whose weekday is known.
bool IsOffOn(bool saturdayOff, std::uint32_t weekday, unsigned month, unsigned day,
             const CKmdHoliday& holidays) {
    if (weekday == 0 || (saturdayOff && weekday == 6))
        return true;
    return holidays.IsHoliday(month, day);
}

// One day later with its weekday: the next weekday, except from a day at or past the month's
// end, which goes to the next month's first (a 31st of April is the 1st of May already).
void StepLater(std::uint32_t& y, std::uint32_t& m, std::uint32_t& d, std::uint32_t& w) {
    const bool inMonth = d < DaysInMonth(y, m);
    NextDay(y, m, d);
    w = inMonth ? (w + 1) % 7 : DayOfWeek(y, m, d);
}

// One day earlier with its weekday, which counts back by one in every case.
void StepEarlier(std::uint32_t& y, std::uint32_t& m, std::uint32_t& d, std::uint32_t& w) {
    PrevDay(y, m, d);
    w = (w + 6) % 7;
}
} // namespace

bool IsOffDay(bool saturdayOff, unsigned year, unsigned month, unsigned day,
              const CKmdHoliday& holidays) {
    if (!IsMonth(month))
        return false;
    return IsOffOn(saturdayOff, DayOfWeek(year, month, day), month, day, holidays);
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
    if (!ConsultsHolidays(r))
        return true;
    const bool satSunHol = r.flags.IsShiftSatSunHol();
    const bool payday = r.flags.IsPaydayShift();
    // Periods and the unused types have no candidate to move.
    if (!IsMonth(cand.wMonth))
        return true;

    // The weekday goes along with each step rather than being computed again.
    std::uint32_t y = cand.wYear, m = cand.wMonth, d = cand.wDay, w = cand.wDayOfWeek;
    const bool saturdayOff = satSunHol;
    if (payday && IsOffOn(saturdayOff, w, m, d, holidays)) {
        std::uint32_t ny = y, nm = m, nd = d, nw = w;
        StepLater(ny, nm, nd, nw);
        if (IsOffOn(saturdayOff, nw, nm, nd, holidays)) {
            // The day before the nominal date itself, also when that date lies past the
            // month's end (a 31st in April goes back to the 30th).
            StepEarlier(y, m, d, w);
        } else {
            y = ny;
            m = nm;
            d = nd;
            w = nw;
        }
    }
    const bool later = r.flags.IsShiftLater();
    for (unsigned steps = 0; IsOffOn(saturdayOff, w, m, d, holidays); ++steps) {
        if (steps == kMaxMoveSteps)
            return false;
        if (later)
            StepLater(y, m, d, w);
        else
            StepEarlier(y, m, d, w);
    }
    cand.wMonth = Word(m);
    cand.wDay = Word(d);
    cand.wDayOfWeek = Word(w);
    return true;
}

namespace {
// What matching reads of a rule's flags, decoded once for every date the rule is asked about.
struct RuleForm {
    explicit RuleForm(const KmdRule& r)
        : type(r.flags.GetType()), moves(ConsultsHolidays(r)),
          dayForm(r.flags.GetWeek() == 0 && !r.flags.IsLast()) {}
    unsigned type;
    bool moves;   // off Sundays, Saturdays or holidays
    bool dayForm; // a day number rather than a weekday
};

// A rule's effective date depends on the date only through its block: the year and month,
// and the seven-day block for the weekly types. Kept for the next date of the same block.
struct EffectiveMemo {
    std::uint32_t block = 0; // 0: nothing kept
    bool found = false;
    SYSTEMTIME cand{};
};

// Whether a date lies where a monthly weekday form without a move can fall: in its month, and
// in the nth seven days of it (days 7n-6 to 7n) or in its last seven.
bool InWeekdayFormDays(const KmdRule& r, const SYSTEMTIME& date) {
    const unsigned week = r.flags.GetWeek();
    const unsigned m = r.startMonth != 0 && week != 0 ? r.startMonth : date.wMonth;
    if (m != date.wMonth)
        return false;
    if (week != 0)
        return (date.wDay - 1u) / 7 + 1 == week;
    return date.wDay + 6u >= DaysInMonth(date.wYear, m);
}

// EffectiveDate, built once per block when a memo is given. The rule has already refused a
// date that cannot be evaluated, and a biweekly rule a week of the other parity.
bool EffectiveIn(const KmdRule& r, const RuleForm& f, const SYSTEMTIME& date, SYSTEMTIME& cand,
                 const CKmdHoliday& holidays, EffectiveMemo* memo) {
    if (!memo)
        return EffectiveDate(r, date, cand, holidays);
    const bool weekly = f.type == DT_WEEKLY || f.type == DT_BIWEEKLY;
    const std::uint32_t block =
        (date.wYear * 16u + date.wMonth) * 8u + (weekly ? WeekOfMonth(date) : 0) + 1;
    if (memo->block != block) {
        memo->found = EffectiveDate(r, date, memo->cand, holidays);
        memo->block = block;
    }
    cand = memo->cand;
    return memo->found;
}

} // namespace

bool Matches(const KmdRule& r, const SYSTEMTIME& date, const CKmdHoliday& holidays) {
    return MatchesOn(r, &date, 1, holidays) != 0;
}

// The rule itself. Each form's test runs over all the dates, so that a record asked about
// several dates is decoded and dispatched once.
std::uint32_t MatchesOn(const KmdRule& r, const SYSTEMTIME* dates, unsigned count,
                        const CKmdHoliday& holidays) {
    count = count < 32 ? count : 32;
    const RuleForm f(r);
    EffectiveMemo memo;
    EffectiveMemo* const kept = count > 1 ? &memo : nullptr; // one date has nothing to share
    std::uint32_t hits = 0;
    // Only a date with a real month and day is evaluated.
    const auto each = [&](auto test) {
        for (unsigned i = 0; i < count; ++i)
            if (IsEvaluable(dates[i]) && test(dates[i]))
                hits |= 1u << i;
        return hits;
    };
    // The effective date compared by month and day, by weekday, or (a move across the month's
    // end still counting by its number) by day alone.
    SYSTEMTIME cand;
    const auto onDay = [&](const SYSTEMTIME& d) {
        return EffectiveIn(r, f, d, cand, holidays, kept) && cand.wMonth == d.wMonth &&
               cand.wDay == d.wDay;
    };
    const auto onWeekday = [&](const SYSTEMTIME& d) {
        return EffectiveIn(r, f, d, cand, holidays, kept) && cand.wDayOfWeek == d.wDayOfWeek;
    };
    const auto onDayNumber = [&](const SYSTEMTIME& d) {
        return EffectiveIn(r, f, d, cand, holidays, kept) && cand.wDay == d.wDay;
    };
    std::uint32_t w = 0;
    const bool hasWeekday = EntryWeekday(r.weekday, w);
    const bool odd = r.flags.IsOdd();
    // Without a move, the common forms are settled from the fields alone, without building a
    // candidate: a large file is mostly such entries.
    switch (f.type) {
    case DT_DAY:
        if (f.moves)
            return each(onDay);
        return each(
            [&](const SYSTEMTIME& d) { return r.startMonth == d.wMonth && r.startDay == d.wDay; });
    case DT_MONTHLY:
        if (f.moves)
            return each(onDay);
        if (f.dayForm)
            return each([&](const SYSTEMTIME& d) { return r.startDay == d.wDay; });
        // Most dates are settled before a candidate is built.
        return each([&](const SYSTEMTIME& d) { return InWeekdayFormDays(r, d) && onDay(d); });
    case DT_WEEKLY:
        if (f.moves)
            return each(onWeekday);
        return each([&](const SYSTEMTIME& d) { return hasWeekday && w == d.wDayOfWeek; });
    case DT_BIWEEKLY:
        if (f.moves)
            return each(
                [&](const SYSTEMTIME& d) { return MatchesWeekParity(d, odd) && onWeekday(d); });
        return each([&](const SYSTEMTIME& d) {
            return hasWeekday && w == d.wDayOfWeek && MatchesWeekParity(d, odd);
        });
    case DT_BIMONTHLY:
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        if (!f.moves && f.dayForm)
            return each([&](const SYSTEMTIME& d) {
                return InEntryMonths(f.type, odd, d.wMonth) && r.startDay == d.wDay;
            });
        return each([&](const SYSTEMTIME& d) {
            return InEntryMonths(f.type, odd, d.wMonth) && onDayNumber(d);
        });
    case DT_PERIOD:
        return each([&](const SYSTEMTIME& d) { return PeriodApplies(r, d.wMonth, d.wDay); });
    default:
        return 0;
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
