// Moves off Sundays, Saturdays and holidays, checked against real calendars:
// April 2026 begins on a Wednesday, January 2026 on a Thursday, September 2026 on a Tuesday.
#include "MatchingTestUtil.h"
#include "calendar/Rules.h"

#include <gtest/gtest.h>

namespace {
const unsigned kPaydaySat = DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL | DF_PAYDAY_SHIFT;
const unsigned kPaydaySun = DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_PAYDAY_SHIFT;
} // namespace

TEST(PaydayMove, SaturdaySundayAndHolidayShift) {
    const CKmdDate payday = RawEntry(0, 25, 0, 0, kPaydaySat);
    // Saturday 25 April: Sunday the 26th is off too, so back to Friday the 24th.
    EXPECT_EQ(Days{24}, Applying(payday, 2026, 4));
    // Sunday 25 January: on to Monday the 26th.
    EXPECT_EQ(Days{26}, Applying(payday, 2026, 1));
    // Friday 25 September, a holiday: Saturday is off, so Thursday the 24th.
    EXPECT_EQ(Days{24}, Applying(payday, 2026, 9, Holidays({{9, 25}})));
    // An ordinary Friday stays.
    EXPECT_EQ(Days{25}, Applying(payday, 2026, 9));
}

TEST(PaydayMove, SundayAndHolidayShiftLeavesSaturdays) {
    const CKmdDate payday = RawEntry(0, 25, 0, 0, kPaydaySun);
    EXPECT_EQ(Days{25}, Applying(payday, 2026, 4)); // Saturday counts as a working day
    EXPECT_EQ(Days{26}, Applying(payday, 2026, 1));
    // Monday the 26th a holiday: back to Saturday the 24th.
    EXPECT_EQ(Days{24}, Applying(payday, 2026, 1, Holidays({{1, 26}})));
}

TEST(PaydayMove, PastTheMonthsEndGoesBackFromTheNominalDay) {
    // 1 May 2022 is a Sunday, so "April 31" is one: the day after is off as well, and the day
    // before the nominal date is Saturday the 30th (the 29th would be two steps back).
    const CKmdDate e = RawEntry(0, 31, 0, 0, kPaydaySun);
    EXPECT_EQ(Days{30}, Applying(e, 2022, 4));
    // With Saturdays off the ordinary move goes on back to Friday the 29th.
    EXPECT_EQ(Days{29}, Applying(RawEntry(0, 31, 0, 0, kPaydaySat), 2022, 4));
}

TEST(PaydayMove, LaterDirectionRunsForwardFromTheDayBefore) {
    // Saturday 25 April 2026, the 24th a holiday: the payday step lands on the 24th, and the
    // later move runs over the 25th and 26th to Monday the 27th.
    const CKmdDate e = RawEntry(0, 25, 0, 0, kPaydaySat | DF_SHIFT_LATER);
    EXPECT_EQ(Days{27}, Applying(e, 2026, 4, Holidays({{4, 24}})));
    // Payday shift alone (as the legacy import can make it): Sundays and holidays only.
    EXPECT_EQ(Days{26}, Applying(RawEntry(0, 25, 0, 0, DT_MONTHLY | DF_PAYDAY_SHIFT), 2026, 1));
}

TEST(OrdinaryMove, EarlierAndLaterOffSundaysSaturdaysAndHolidays) {
    // Sunday 25 January 2026.
    EXPECT_EQ(Days{24}, Applying(RawEntry(0, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL), 2026, 1));
    EXPECT_EQ(Days{23},
              Applying(RawEntry(0, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL), 2026, 1));
    EXPECT_EQ(
        Days{26},
        Applying(RawEntry(0, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER), 2026, 1));
    // A run of holidays is stepped over whole.
    EXPECT_EQ(Days{29},
              Applying(RawEntry(0, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER), 2026,
                       1, Holidays({{1, 26}, {1, 27}, {1, 28}})));
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

TEST(OrdinaryMove, WeeklyRuleStaysInItsBlock) {
    // Monday 7 April 2025 a holiday: the block of days 1-7 gets Tuesday the 8th, which applies
    // on Tuesday the 1st; the block 8-14 keeps its Monday, the 14th.
    const CKmdDate e = RawEntry(0, 0, 0, 2, DT_WEEKLY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER);
    const CKmdHoliday h = Holidays({{4, 7}});
    EXPECT_EQ((Days{1, 14, 21, 28}), Applying(e, 2025, 4, h));
}

TEST(OrdinaryMove, DayThirtyOneInAThirtyDayMonth) {
    EXPECT_EQ(Days{}, Applying(RawEntry(0, 31, 0, 0, DT_MONTHLY), 2026, 4));
    EXPECT_EQ(Days{31}, Applying(RawEntry(0, 31, 0, 0, DT_MONTHLY), 2026, 5));
    // "April 31" marked off: back onto the 30th; forward it leaves April.
    const CKmdHoliday h = Holidays({{4, 31}});
    EXPECT_EQ(Days{30}, Applying(RawEntry(0, 31, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL), 2026, 4, h));
    EXPECT_EQ(Days{},
              Applying(RawEntry(0, 31, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER), 2026,
                       4, h));
}

TEST(OrdinaryMove, SecondMondayOfJanuaryOffItsHoliday) {
    const unsigned f = DT_MONTHLY | Week(2) | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER;
    const CKmdDate e = RawEntry(M(1), 0, 0, 2, f);
    EXPECT_EQ(Days{13}, Applying(e, 2026, 1, Holidays({{1, 12}})));
    EXPECT_EQ(Days{12}, Applying(e, 2026, 1));
    EXPECT_EQ(Days{}, Applying(e, 2026, 2));
}

TEST(OrdinaryMove, AlternateMonthsAndQuartersCompareTheDayOnly) {
    // Quarter 2, day 28: Saturday 28 February 2026 moves on to Monday 2 March, so the entry
    // applies on 2 February (a month of its set, same day number).
    const CKmdDate e = RawEntry(0, 28, 0, 0, DT_QUARTER2 | DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER);
    EXPECT_EQ(Days{2}, Applying(e, 2026, 2));
    // A month outside the set never applies, whatever a neighbour's move gives.
    EXPECT_EQ(Days{}, Applying(e, 2026, 3));
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
