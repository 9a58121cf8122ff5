// Moves off Sundays, Saturdays and holidays, checked against real calendars:
// April 2026 begins on a Wednesday, January 2026 on a Thursday, September 2026 on a Tuesday.
#include "MatchingTestUtil.h"
#include "calendar/Rules.h"

#include <gtest/gtest.h>

#include <random>

namespace {
const unsigned kPaydaySat = DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL | DF_PAYDAY_SHIFT;
const unsigned kPaydaySun = DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_PAYDAY_SHIFT;
} // namespace

// Each move in a month of a real calendar: the days the entry applies on.
TEST(MatchingMove, TheDaysEachMoveGivesInAMonth) {
    const unsigned later = DF_SHIFT_LATER, sunHol = DT_MONTHLY | DF_SHIFT_SUN_HOL,
                   satSunHol = DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL;
    const unsigned secondMonday = DT_MONTHLY | Week(2) | DF_SHIFT_SUN_HOL | later;
    const unsigned quarter2 = DT_QUARTER2 | DF_SHIFT_SAT_SUN_HOL | later;
    const struct {
        unsigned flags, months, startDay, weekday, year, month;
        CKmdHoliday off;
        Days expected;
    } cases[] = {
        // The payday shift with Saturdays off. Saturday 25 April: Sunday the 26th is off too,
        // so back to Friday the 24th. Sunday 25 January: on to Monday the 26th. Friday 25
        // September, a holiday: Saturday is off, so Thursday the 24th. An ordinary Friday stays.
        {kPaydaySat, 0, 25, 0, 2026, 4, {}, {24}},
        {kPaydaySat, 0, 25, 0, 2026, 1, {}, {26}},
        {kPaydaySat, 0, 25, 0, 2026, 9, Holidays({{9, 25}}), {24}},
        {kPaydaySat, 0, 25, 0, 2026, 9, {}, {25}},
        // Off Sundays and holidays it leaves Saturdays: Saturday the 25th counts as a working
        // day; Monday 26 January a holiday: back to Saturday the 24th.
        {kPaydaySun, 0, 25, 0, 2026, 4, {}, {25}},
        {kPaydaySun, 0, 25, 0, 2026, 1, {}, {26}},
        {kPaydaySun, 0, 25, 0, 2026, 1, Holidays({{1, 26}}), {24}},
        // Past the month's end it goes back from the nominal day: 1 May 2022 is a Sunday, so
        // "April 31" is one, the day after is off as well, and the day before the nominal date
        // is Saturday the 30th (the 29th would be two steps back). With Saturdays off the
        // ordinary move goes on back to Friday the 29th.
        {kPaydaySun, 0, 31, 0, 2022, 4, {}, {30}},
        {kPaydaySat, 0, 31, 0, 2022, 4, {}, {29}},
        // The later direction runs forward from the day before: Saturday 25 April 2026, the
        // 24th a holiday: the payday step lands on the 24th, and the later move runs over the
        // 25th and 26th to Monday the 27th. The payday shift alone (as the legacy import can
        // make it) moves off Sundays and holidays only.
        {kPaydaySat | later, 0, 25, 0, 2026, 4, Holidays({{4, 24}}), {27}},
        {DT_MONTHLY | DF_PAYDAY_SHIFT, 0, 25, 0, 2026, 1, {}, {26}},
        // The ordinary move, earlier and later, off Sunday 25 January 2026; a run of holidays
        // is stepped over whole.
        {sunHol, 0, 25, 0, 2026, 1, {}, {24}},
        {satSunHol, 0, 25, 0, 2026, 1, {}, {23}},
        {sunHol | later, 0, 25, 0, 2026, 1, {}, {26}},
        {sunHol | later, 0, 25, 0, 2026, 1, Holidays({{1, 26}, {1, 27}, {1, 28}}), {29}},
        // A weekly rule stays in its block: Monday 7 April 2025 a holiday, the block of days
        // 1-7 gets Tuesday the 8th, which applies on Tuesday the 1st; the block 8-14 keeps its
        // Monday, the 14th.
        {DT_WEEKLY | DF_SHIFT_SUN_HOL | later,
         0,
         0,
         2,
         2025,
         4,
         Holidays({{4, 7}}),
         {1, 14, 21, 28}},
        // Day 31 in a thirty-day month. "April 31" marked off: back onto the 30th; forward it
        // leaves April.
        {DT_MONTHLY, 0, 31, 0, 2026, 4, {}, {}},
        {DT_MONTHLY, 0, 31, 0, 2026, 5, {}, {31}},
        {sunHol, 0, 31, 0, 2026, 4, Holidays({{4, 31}}), {30}},
        {sunHol | later, 0, 31, 0, 2026, 4, Holidays({{4, 31}}), {}},
        // The second Monday of January off its holiday.
        {secondMonday, M(1), 0, 2, 2026, 1, Holidays({{1, 12}}), {13}},
        {secondMonday, M(1), 0, 2, 2026, 1, {}, {12}},
        {secondMonday, M(1), 0, 2, 2026, 2, {}, {}},
        // Alternate months and quarters compare the day only. Quarter 2, day 28: Saturday 28
        // February 2026 moves on to Monday 2 March, so the entry applies on 2 February (a month
        // of its set, same day number). A month outside the set never applies, whatever a
        // neighbour's move gives.
        {quarter2, 0, 28, 0, 2026, 2, {}, {2}},
        {quarter2, 0, 28, 0, 2026, 3, {}, {}},
    };
    for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(c.expected, Applying(RawEntry(c.months, c.startDay, 0, c.weekday, c.flags),
                                       c.year, c.month, c.off))
            << "row " << i;
    }
}

// The moves against a model of their own on the serial day number: over random tables and
// years, an entry of one day (or one day a month) moved off Sundays, Saturdays or holidays,
// earlier or later, with or without the payday step, applies on the day the model reaches,
// compared by month and day, and on no other.
TEST(MatchingMove, AgreesWithAModelOnTheSerialDayNumber) {
    std::mt19937 rng(26);
    for (unsigned round = 0; round < 400; ++round) {
        const unsigned year = 1700 + rng() % 500;
        CKmdHoliday table;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= 31; ++d)
                table.Mark(m, d, rng() % 100 < 12 + round % 3 * 15u); // up to two days in five
        const bool monthly = rng() % 2, satOff = rng() % 2, later = rng() % 2, payday = rng() % 2;
        // A real nominal day: the one-day entry's any day of its month, the monthly one's the
        // 1st to the 28th (days past a month's end are rows of the table above).
        const unsigned entryMonth = 1 + rng() % 12;
        const unsigned day = 1 + rng() % (monthly ? 28 : DaysInMonth(year, entryMonth));
        const unsigned flags = (monthly ? DT_MONTHLY : DT_DAY) |
                               (satOff ? DF_SHIFT_SAT_SUN_HOL : DF_SHIFT_SUN_HOL) |
                               (later ? DF_SHIFT_LATER : 0) | (payday ? DF_PAYDAY_SHIFT : 0);
        const KmdRule rule = RawEntry(monthly ? 0 : M(entryMonth), day, 0, 0, flags).GetRule();
        const auto off = [&](std::uint32_t n) {
            const SYSTEMTIME t = DateOfDayNumber(n);
            const unsigned weekday = (n + 6) % 7; // 1 January of year 0 was a Saturday
            return weekday == 0 || (satOff && weekday == 6) || table.IsHoliday(t.wMonth, t.wDay);
        };
        for (unsigned m = 1; m <= 12; ++m) {
            // The day the model reaches from the nominal day of month m (or of the entry's).
            std::uint32_t n = DayNumber(year, monthly ? m : entryMonth, day);
            if (payday && off(n))
                n = off(n + 1) ? n - 1 : n + 1;
            unsigned steps = 0;
            for (; off(n) && steps <= 366; ++steps)
                n = later ? n + 1 : n - 1;
            const SYSTEMTIME reached = DateOfDayNumber(n);
            for (unsigned d = 1; d <= DaysInMonth(year, m); ++d) {
                const bool expected = steps <= 366 && reached.wMonth == m && reached.wDay == d;
                ASSERT_EQ(expected, Matches(rule, MakeDate(year, m, d), table))
                    << "round " << round << ": " << year << "/" << m << "/" << d;
            }
        }
    }
}

TEST(OrdinaryMove, AcrossTheYearsEndTheMonthAndDayCount) {
    const CKmdDate e = RawEntry(M(12), 31, 0, 0, DT_DAY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER);
    // 31 December 2023 is a Sunday: the candidate becomes 1 January, so the entry applies on
    // 1 January 2023, not on 31 December.
    EXPECT_TRUE(Matches(e.GetRule(), MakeDate(2023, 1, 1), CKmdHoliday()));
    EXPECT_FALSE(Matches(e.GetRule(), MakeDate(2023, 12, 31), CKmdHoliday()));
    SYSTEMTIME cand;
    ASSERT_TRUE(EffectiveDate(e.GetRule(), MakeDate(2023, 6, 1), cand, CKmdHoliday()));
    EXPECT_EQ(1, cand.wMonth);
    EXPECT_EQ(1, cand.wDay);
    EXPECT_EQ(1, cand.wDayOfWeek); // Monday, 1 January 2024
    // 2024 ends on a Tuesday.
    EXPECT_TRUE(Matches(e.GetRule(), MakeDate(2024, 12, 31), CKmdHoliday()));
    EXPECT_FALSE(Matches(e.GetRule(), MakeDate(2024, 1, 1), CKmdHoliday()));
    // Backwards over the new year: 1 January 2023 (Sunday) to 31 December.
    const CKmdDate back = RawEntry(M(1), 1, 0, 0, DT_DAY | DF_SHIFT_SUN_HOL);
    EXPECT_TRUE(Matches(back.GetRule(), MakeDate(2023, 12, 31), CKmdHoliday()));
    EXPECT_FALSE(Matches(back.GetRule(), MakeDate(2023, 1, 1), CKmdHoliday()));
}

TEST(OrdinaryMove, BoundedToAYearOfSteps) {
    // Every day of the table off except 29 February.
    CKmdHoliday h;
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned d = 1; d <= 31; ++d)
            h.Mark(m, d, !(m == 2 && d == 29));
    SYSTEMTIME cand;
    // 28 February 2023 to 29 February 2024: 366 steps, still allowed.
    const CKmdDate ok = RawEntry(M(2), 28, 0, 0, DT_DAY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER);
    ASSERT_TRUE(EffectiveDate(ok.GetRule(), MakeDate(2023, 5, 5), cand, h));
    EXPECT_EQ(2, cand.wMonth);
    EXPECT_EQ(29, cand.wDay);
    EXPECT_EQ(4, cand.wDayOfWeek); // Thursday
    // One day earlier needs 367: the entry does not apply.
    const CKmdDate tooFar = RawEntry(M(2), 27, 0, 0, DT_DAY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER);
    EXPECT_FALSE(EffectiveDate(tooFar.GetRule(), MakeDate(2023, 5, 5), cand, h));
    // A table that makes every day off: no move ends, and nothing applies.
    CKmdHoliday all;
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned d = 1; d <= 31; ++d)
            all.Mark(m, d, true);
    const CKmdDate weekly = RawEntry(0, 0, 0, 3, DT_WEEKLY | DF_SHIFT_SAT_SUN_HOL);
    EXPECT_EQ(Days{}, Applying(weekly, 2026, 6, all));
    // Without a move flag the table is not consulted.
    EXPECT_EQ((Days{2, 9, 16, 23, 30}), Applying(RawEntry(0, 0, 0, 3, DT_WEEKLY), 2026, 6, all));
}

TEST(IsOffDay, SundaysAlwaysSaturdaysOnRequestHolidaysByTable) {
    const CKmdHoliday h = Holidays({{5, 5}});
    EXPECT_TRUE(IsOffDay(false, 2026, 5, 3, h));  // Sunday
    EXPECT_FALSE(IsOffDay(false, 2026, 5, 2, h)); // Saturday
    EXPECT_TRUE(IsOffDay(true, 2026, 5, 2, h));
    EXPECT_TRUE(IsOffDay(false, 2026, 5, 5, h)); // Tuesday, in the table
    EXPECT_TRUE(IsOffDay(false, 2031, 5, 5, h)); // the table has no year
    EXPECT_FALSE(IsOffDay(false, 2026, 5, 6, h));
    EXPECT_FALSE(IsOffDay(true, 2026, 0, 5, h));
    EXPECT_FALSE(IsOffDay(true, 2026, 13, 5, h));
}
