// Fills the holiday table from the holiday entries, for the current year of the one clock.
#include "calendar/Calendar.h"
#include "data/KmdDataFile.h"
#include "platform/Clock.h"

namespace {
bool RealMonth(unsigned m) {
    return m >= 1 && m <= 12;
}

// The entry's day in month m for the month-based types; 0 when it has none.
unsigned DayInMonth(const CKmdDate& e, unsigned year, unsigned m) {
    const CKmdDateFlags f = e.GetFlags();
    const unsigned weekday = e.GetWeekday();
    const bool hasWeekday = weekday >= 1 && weekday <= 7;
    if (f.GetWeek() != 0)
        return hasWeekday ? NthWeekday(year, m, f.GetWeek(), weekday - 1) : 0;
    if (f.IsLast() && weekday == 0)
        return DaysInMonth(year, m);
    if (f.IsLast()) {
        if (!hasWeekday)
            return 0;
        unsigned d = DaysInMonth(year, m);
        for (int i = 0; i < 7 && DayOfWeek(year, m, d) != weekday - 1; ++i)
            --d;
        return d;
    }
    return e.GetStartDay();
}

void MarkEntry(const CKmdDate& e, unsigned year, CKmdHoliday& table) {
    const CKmdDateFlags f = e.GetFlags();
    const unsigned weekday = e.GetWeekday();
    const bool hasWeekday = weekday >= 1 && weekday <= 7;
    const unsigned w = weekday - 1;
    const unsigned startMonth = e.GetStartMonth();
    const unsigned endMonth = e.GetEndMonth();
    bool months[13] = {};

    switch (f.GetType()) {
    case DT_DAY:
        if (RealMonth(startMonth))
            table.Mark(startMonth, e.GetStartDay(), true);
        return;
    case DT_WEEKLY:
        if (!hasWeekday)
            return;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned n = 1; n <= 6; ++n) {
                const unsigned d = NthWeekday(year, m, n, w);
                if (d > DaysInMonth(year, m))
                    break;
                table.Mark(m, d, true);
            }
        return;
    case DT_BIWEEKLY:
        if (!hasWeekday)
            return;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = NthWeekday(year, m, 1, w); d <= DaysInMonth(year, m); d += 7) {
                SYSTEMTIME st{};
                st.wYear = static_cast<WORD>(year);
                st.wMonth = static_cast<WORD>(m);
                st.wDay = static_cast<WORD>(d);
                st.wDayOfWeek = static_cast<WORD>(w);
                if (MatchesWeekParity(st, f.IsOdd()))
                    table.Mark(m, d, true);
            }
        return;
    case DT_MONTHLY:
        if (startMonth == 0) {
            for (unsigned m = 1; m <= 12; ++m)
                months[m] = true;
        } else if (RealMonth(startMonth)) {
            months[startMonth] = true;
        }
        break;
    case DT_BIMONTHLY:
        for (unsigned m = f.IsOdd() ? 1 : 2; m <= 12; m += 2)
            months[m] = true;
        break;
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        for (unsigned m = f.GetType() - DT_QUARTER1 + 1; m <= 12; m += 3)
            months[m] = true;
        break;
    case DT_PERIOD: {
        if (startMonth > endMonth)
            return;
        // Clipped to real months: the start day counts only in the start month, the end day
        // only in the end month.
        const unsigned first = startMonth < 1 ? 1 : startMonth;
        const unsigned last = endMonth > 12 ? 12 : endMonth;
        for (unsigned m = first; m <= last; ++m) {
            const unsigned from = m == startMonth ? e.GetStartDay() : 1;
            const unsigned to = m == endMonth ? e.GetEndDay() : DaysInMonth(year, m);
            for (unsigned d = from; d <= to && d <= 31; ++d)
                table.Mark(m, d, true);
        }
        return;
    }
    default:
        return; // types 9-15 mark nothing
    }
    for (unsigned m = 1; m <= 12; ++m)
        if (months[m])
            table.Mark(m, DayInMonth(e, year, m), true); // Mark ignores a day past 31 or 0
}
} // namespace

void CKmdDataFile::MarkHolidays(unsigned firstIndex) {
    SYSTEMTIME now;
    ReadLocalTime(&now);
    for (std::size_t i = firstIndex; i < entries.size(); ++i)
        if (entries[i].GetFlags().IsHoliday())
            MarkEntry(entries[i], now.wYear, holidays);
}
