// Each rule type against real calendars, and the fields no rule can use.
#include "MatchingTestUtil.h"
#include "calendar/Rules.h"

#include <gtest/gtest.h>

namespace {
// How many dates of the years the entry applies on.
int CountInYears(const CKmdDate& e, unsigned from, unsigned to,
                 const CKmdHoliday& h = CKmdHoliday()) {
    int n = 0;
    for (unsigned y = from; y <= to; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            n += static_cast<int>(Applying(e, y, m, h).size());
    return n;
}
} // namespace

TEST(DayRule, OneDayEveryYear) {
    const CKmdDate e = RawEntry(M(2), 29, 0, 0, DT_DAY);
    EXPECT_EQ(Days{29}, Applying(e, 2024, 2));
    EXPECT_EQ(Days{}, Applying(e, 2023, 2));
    EXPECT_EQ(Days{}, Applying(e, 2024, 3));
}

TEST(WeeklyRules, EveryWeekAndAlternateWeeksAcrossTheNewYear) {
    // Wednesday = weekday 4. 2022 ends in week 53 (Sunday 25 to Saturday 31 December), so the
    // odd weeks 53 and 1 follow each other.
    const CKmdDate odd = RawEntry(0, 0, 0, 4, DT_BIWEEKLY | DF_ODD);
    const CKmdDate even = RawEntry(0, 0, 0, 4, DT_BIWEEKLY);
    EXPECT_EQ((Days{14, 28}), Applying(odd, 2022, 12));
    EXPECT_EQ((Days{4, 18}), Applying(odd, 2023, 1));
    EXPECT_EQ((Days{7, 21}), Applying(even, 2022, 12));
    EXPECT_EQ((Days{11, 25}), Applying(even, 2023, 1));
    EXPECT_EQ((Days{4, 11, 18, 25}), Applying(RawEntry(0, 0, 0, 4, DT_WEEKLY), 2023, 1));
    // 2024 begins on a Monday: week 1 is 1-6 January, week 2 begins on Sunday the 7th.
    EXPECT_EQ((Days{1, 15, 29}), Applying(RawEntry(0, 0, 0, 2, DT_BIWEEKLY | DF_ODD), 2024, 1));
    EXPECT_EQ((Days{6, 20}), Applying(RawEntry(0, 0, 0, 7, DT_BIWEEKLY | DF_ODD), 2024, 1));
}

TEST(MonthlyRules, LastDayLastWeekdayAndNthWeekday) {
    const CKmdDate last = RawEntry(0, 0, 0, 0, DT_MONTHLY | DF_LAST);
    EXPECT_EQ(Days{29}, Applying(last, 2024, 2));
    EXPECT_EQ(Days{28}, Applying(last, 2023, 2));
    EXPECT_EQ(Days{30}, Applying(last, 2026, 4));
    EXPECT_EQ(Days{31}, Applying(last, 2026, 5));
    // Last Sunday: 25 January 2026 (the 31st is a Saturday), 31 May 2026.
    const CKmdDate lastSunday = RawEntry(0, 0, 0, 1, DT_MONTHLY | DF_LAST);
    EXPECT_EQ(Days{25}, Applying(lastSunday, 2026, 1));
    EXPECT_EQ(Days{31}, Applying(lastSunday, 2026, 5));
    // Fifth Tuesday: 2026 has them in March, June, September and December only.
    const CKmdDate fifthTuesday = RawEntry(0, 0, 0, 3, DT_MONTHLY | Week(5));
    EXPECT_EQ(Days{31}, Applying(fifthTuesday, 2026, 3));
    EXPECT_EQ(Days{30}, Applying(fifthTuesday, 2026, 6));
    EXPECT_EQ(Days{29}, Applying(fifthTuesday, 2026, 9));
    EXPECT_EQ(Days{29}, Applying(fifthTuesday, 2026, 12));
    EXPECT_EQ(4, CountInYears(fifthTuesday, 2026, 2026));
    // Second Monday of January only.
    const CKmdDate seijin = RawEntry(M(1), 0, 0, 2, DT_MONTHLY | Week(2));
    EXPECT_EQ(Days{12}, Applying(seijin, 2026, 1));
    EXPECT_EQ(Days{11}, Applying(seijin, 2027, 1));
    EXPECT_EQ(1, CountInYears(seijin, 2026, 2026));
    // A start month with the last-day form does not limit matching.
    EXPECT_EQ(12, CountInYears(RawEntry(M(5), 0, 0, 0, DT_MONTHLY | DF_LAST), 2026, 2026));
    // A weekday with neither a week nor the last flag, and no day: day 0, never.
    EXPECT_EQ(0, CountInYears(RawEntry(0, 0, 0, 3, DT_MONTHLY), 2026, 2026));
}

TEST(MonthSetRules, AlternateMonthsAndQuarters) {
    auto months = [](const CKmdDate& e) {
        Days out;
        for (unsigned m = 1; m <= 12; ++m)
            if (!Applying(e, 2026, m).empty())
                out.push_back(m);
        return out;
    };
    EXPECT_EQ((Days{1, 3, 5, 7, 9, 11}), months(RawEntry(0, 10, 0, 0, DT_BIMONTHLY | DF_ODD)));
    EXPECT_EQ((Days{2, 4, 6, 8, 10, 12}), months(RawEntry(0, 10, 0, 0, DT_BIMONTHLY)));
    EXPECT_EQ((Days{1, 4, 7, 10}), months(RawEntry(0, 10, 0, 0, DT_QUARTER1)));
    EXPECT_EQ((Days{2, 5, 8, 11}), months(RawEntry(0, 10, 0, 0, DT_QUARTER2)));
    EXPECT_EQ((Days{3, 6, 9, 12}), months(RawEntry(0, 10, 0, 0, DT_QUARTER3)));
    // The day forms work in the month set: first Monday of the quarter months.
    const CKmdDate firstMonday = RawEntry(0, 0, 0, 2, DT_QUARTER1 | Week(1));
    EXPECT_EQ(Days{5}, Applying(firstMonday, 2026, 1));
    EXPECT_EQ(Days{6}, Applying(firstMonday, 2026, 4));
    EXPECT_EQ(Days{}, Applying(firstMonday, 2026, 5));
    // The start month does not pick the month for these types.
    EXPECT_EQ(6,
              CountInYears(RawEntry(M(2), 0, 0, 2, DT_BIMONTHLY | DF_ODD | Week(1)), 2026, 2026));
}

TEST(PeriodRule, WithinAMonthAcrossMonthsAndReversed) {
    const CKmdDate gw = RawEntry(M(5) | 5, 3, 5, 0, DT_PERIOD);
    EXPECT_EQ((Days{3, 4, 5}), Applying(gw, 2026, 5));
    EXPECT_EQ((Days{3, 4, 5}), Applying(gw, 1999, 5));
    const CKmdDate spring = RawEntry(M(4) | 5, 25, 6, 0, DT_PERIOD);
    EXPECT_EQ((Days{25, 26, 27, 28, 29, 30}), Applying(spring, 2026, 4));
    EXPECT_EQ((Days{1, 2, 3, 4, 5, 6}), Applying(spring, 2026, 5));
    EXPECT_EQ(12, CountInYears(spring, 2026, 2026));
    // End month before start month: the tail of the start month and the head of the end
    // month, nothing in between.
    const CKmdDate reversed = RawEntry(M(10) | 3, 30, 2, 0, DT_PERIOD);
    EXPECT_EQ((Days{30, 31}), Applying(reversed, 2026, 10));
    EXPECT_EQ((Days{1, 2}), Applying(reversed, 2026, 3));
    EXPECT_EQ(4, CountInYears(reversed, 2026, 2026));
    // Move flags play no part in a period.
    const CKmdDate moved = RawEntry(M(5) | 5, 3, 5, 0, DT_PERIOD | DF_SHIFT_SAT_SUN_HOL);
    EXPECT_EQ((Days{3, 4, 5}), Applying(moved, 2026, 5, Holidays({{5, 4}})));
}

// Fields no editor stores: they must yield no match, also with every kind of move (a move
// could otherwise carry a nonsense candidate onto a real day).
TEST(UnusableFields, NeverApplyWhateverTheMove) {
    const unsigned moves[] = {0,
                              DF_SHIFT_SUN_HOL,
                              DF_SHIFT_SUN_HOL | DF_SHIFT_LATER,
                              DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER,
                              DF_PAYDAY_SHIFT,
                              DF_PAYDAY_SHIFT | DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER};
    for (unsigned move : moves) {
        SCOPED_TRACE(move);
        // Weekday 0 and 8-15 in each rule that needs a weekday.
        for (unsigned wd : {0u, 8u, 9u, 15u}) {
            SCOPED_TRACE(wd);
            EXPECT_EQ(0, CountInYears(RawEntry(0, 0, 0, wd, DT_WEEKLY | move), 2026, 2026));
            EXPECT_EQ(0,
                      CountInYears(RawEntry(0, 0, 0, wd, DT_BIWEEKLY | DF_ODD | move), 2026, 2026));
            EXPECT_EQ(0,
                      CountInYears(RawEntry(0, 0, 0, wd, DT_MONTHLY | Week(2) | move), 2026, 2026));
            EXPECT_EQ(
                0, CountInYears(RawEntry(0, 0, 0, wd, DT_QUARTER3 | Week(1) | move), 2026, 2026));
            if (wd != 0) { // weekday 0 with the last flag is the last day
                EXPECT_EQ(0, CountInYears(RawEntry(0, 0, 0, wd, DT_MONTHLY | DF_LAST | move), 2026,
                                          2026));
            }
        }
        // Day 0 in the day forms: the 1st must not be reached by a later move.
        EXPECT_EQ(0, CountInYears(RawEntry(0, 0, 0, 0, DT_MONTHLY | move), 2025, 2027));
        EXPECT_EQ(0, CountInYears(RawEntry(0, 0, 0, 0, DT_QUARTER1 | move), 2025, 2027));
        EXPECT_EQ(0, CountInYears(RawEntry(M(3), 0, 0, 0, DT_DAY | move), 2025, 2027));
        // Month 0 and 13-15 in the day rule, 13-15 as the month of the nth-weekday form.
        for (unsigned m : {0u, 13u, 14u, 15u})
            EXPECT_EQ(0, CountInYears(RawEntry(M(m), 1, 0, 0, DT_DAY | move), 2025, 2027));
        for (unsigned m : {13u, 14u, 15u})
            EXPECT_EQ(
                0, CountInYears(RawEntry(M(m), 0, 0, 2, DT_MONTHLY | Week(1) | move), 2026, 2026));
        // Types 9-15.
        for (unsigned t = 9; t <= 15; ++t)
            EXPECT_EQ(0, CountInYears(RawEntry(M(1) | 12, 1, 31, 2, t | move), 2026, 2026));
    }
}

TEST(UnusableFields, DatesOutsideTheCalendarMatchNothing) {
    SYSTEMTIME bad = MakeDate(2026, 5, 1);
    bad.wMonth = 13;
    const CKmdDate every = RawEntry(M(1) | 12, 1, 31, 0, DT_PERIOD);
    EXPECT_FALSE(Matches(every.GetRule(), bad, CKmdHoliday()));
    bad.wMonth = 0;
    EXPECT_FALSE(Matches(RawEntry(0, 0, 0, 0, DT_MONTHLY | DF_LAST).GetRule(), bad, CKmdHoliday()));
    SYSTEMTIME zero = MakeDate(2026, 5, 1);
    zero.wDay = 0;
    EXPECT_FALSE(Matches(RawEntry(0, 0, 0, 6, DT_WEEKLY).GetRule(), zero, CKmdHoliday()));
    EXPECT_TRUE(
        Matches(RawEntry(0, 0, 0, 6, DT_WEEKLY).GetRule(), MakeDate(2026, 5, 1), CKmdHoliday()));
}
