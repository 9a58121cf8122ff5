#include "calendar/Calendar.h"

#include <gtest/gtest.h>

namespace {
bool IsLeap(unsigned y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
unsigned RealDays(unsigned y, unsigned m) {
    static const unsigned d[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : d[m - 1];
}
} // namespace

TEST(DaysInMonth, LeapRulesAndMonthLengths) {
    EXPECT_EQ(28u, DaysInMonth(1900, 2));
    EXPECT_EQ(29u, DaysInMonth(2000, 2));
    EXPECT_EQ(28u, DaysInMonth(2023, 2));
    EXPECT_EQ(29u, DaysInMonth(2024, 2));
    EXPECT_EQ(30u, DaysInMonth(2024, 4));
    EXPECT_EQ(31u, DaysInMonth(2024, 12));
    for (unsigned y = 1601; y < 2400; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            ASSERT_EQ(RealDays(y, m), DaysInMonth(y, m)) << y << "/" << m;
}

// The formula against a plain day count from Monday, 1 January 1601.
TEST(DayOfWeek, AgreesWithADayCountFrom1601To2399) {
    unsigned weekday = 1;
    for (unsigned y = 1601; y < 2400; ++y)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= RealDays(y, m); ++d) {
                ASSERT_EQ(weekday, DayOfWeek(y, m, d)) << y << "/" << m << "/" << d;
                weekday = (weekday + 1) % 7;
            }
}

TEST(DayOfWeek, KnownDatesAndDaysPastTheMonthsEnd) {
    EXPECT_EQ(1u, DayOfWeek(2024, 1, 1));
    EXPECT_EQ(2u, DayOfWeek(2000, 2, 29));
    EXPECT_EQ(4u, DayOfWeek(2023, 2, 30)); // the weekday of March 2
    EXPECT_EQ(DayOfWeek(2024, 5, 5), DayOfWeek(2024, 4, 35));
}

TEST(NthWeekday, OccurrencesAndFifthsPastTheEnd) {
    EXPECT_EQ(8u, NthWeekday(2024, 1, 2, 1));
    EXPECT_EQ(29u, NthWeekday(2024, 2, 5, 4));
    EXPECT_EQ(34u, NthWeekday(2023, 2, 5, 1));
    // n is used modulo 65536: 65537 is the first occurrence.
    EXPECT_EQ(NthWeekday(2024, 3, 1, 3), NthWeekday(2024, 3, 65537, 3));
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned w = 0; w < 7; ++w)
            for (unsigned n = 1; n <= 5; ++n) {
                unsigned d = NthWeekday(2026, m, n, w);
                ASSERT_EQ(w, DayOfWeek(2026, m, d));
                ASSERT_EQ(n, (d - 1) / 7 + 1); // the nth occurrence lies in block n
            }
}

TEST(WeekOfMonth, SevenDayBlocks) {
    EXPECT_EQ(1u, WeekOfMonth(MakeDate(2024, 1, 1)));
    EXPECT_EQ(1u, WeekOfMonth(MakeDate(2024, 1, 7)));
    EXPECT_EQ(2u, WeekOfMonth(MakeDate(2024, 1, 8)));
    EXPECT_EQ(5u, WeekOfMonth(MakeDate(2024, 1, 31)));
}

TEST(DayOfYear, CountsFromJanuaryFirst) {
    EXPECT_EQ(1u, DayOfYear(MakeDate(2023, 1, 1)));
    EXPECT_EQ(60u, DayOfYear(MakeDate(2024, 2, 29)));
    EXPECT_EQ(365u, DayOfYear(MakeDate(2023, 12, 31)));
    EXPECT_EQ(366u, DayOfYear(MakeDate(2024, 12, 31)));
}

// Week numbers computed independently: week 1 holds January 1, a new week begins each Sunday.
TEST(MatchesWeekParity, WeekBoundariesInYearsStartingOnEachWeekday) {
    const unsigned years[] = {2023, 2024, 2025, 2026, 2027, 2019, 2022, 2000, 2028, 2012};
    bool startsSeen[7] = {};
    for (unsigned y : years) {
        startsSeen[DayOfWeek(y, 1, 1)] = true;
        unsigned week = 1;
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= RealDays(y, m); ++d) {
                SYSTEMTIME st = MakeDate(y, m, d);
                if (st.wDayOfWeek == 0 && !(m == 1 && d == 1))
                    ++week;
                ASSERT_EQ(week % 2 == 1, MatchesWeekParity(st, true)) << y << "/" << m << "/" << d;
                ASSERT_EQ(week % 2 == 0, MatchesWeekParity(st, false));
            }
        if (y == 2000) {
            EXPECT_EQ(54u, week); // a leap year that begins on a Saturday
        }
    }
    for (bool seen : startsSeen)
        EXPECT_TRUE(seen);
    EXPECT_FALSE(MatchesWeekParity(MakeDate(2000, 12, 31), true));
    EXPECT_TRUE(MatchesWeekParity(MakeDate(2024, 1, 6), true));
    EXPECT_FALSE(MatchesWeekParity(MakeDate(2024, 1, 7), true));
}

TEST(MatchesWeekParity, ReadsTheDatesOwnWeekday) {
    SYSTEMTIME st = MakeDate(2024, 1, 7); // a Sunday, week 2
    EXPECT_FALSE(MatchesWeekParity(st, true));
    st.wDayOfWeek = 6; // claimed Saturday: still week 1
    EXPECT_TRUE(MatchesWeekParity(st, true));
}

TEST(NextDayPrevDay, StepsAcrossMonthAndYearEnds) {
    unsigned y = 2023, m = 12, d = 31;
    NextDay(y, m, d);
    EXPECT_EQ(2024u, y);
    EXPECT_EQ(1u, m);
    EXPECT_EQ(1u, d);
    y = 2024, m = 2, d = 28;
    NextDay(y, m, d);
    EXPECT_EQ(29u, d);
    y = 2023, m = 2, d = 30;
    NextDay(y, m, d);
    EXPECT_EQ(3u, m);
    EXPECT_EQ(1u, d);
    y = 2024, m = 3, d = 1;
    PrevDay(y, m, d);
    EXPECT_EQ(2u, m);
    EXPECT_EQ(29u, d);
    y = 2024, m = 1, d = 1;
    PrevDay(y, m, d);
    EXPECT_EQ(2023u, y);
    EXPECT_EQ(12u, m);
    EXPECT_EQ(31u, d);
    y = 2023, m = 4, d = 31; // past the end: only counts down
    PrevDay(y, m, d);
    EXPECT_EQ(4u, m);
    EXPECT_EQ(30u, d);
}

TEST(NextDayPrevDay, AreInverseOnEveryDayAroundLeapCenturies) {
    const unsigned starts[] = {1698, 1798, 1898, 1998, 2098, 2398};
    for (unsigned s : starts)
        for (unsigned y = s; y < s + 4; ++y)
            for (unsigned m = 1; m <= 12; ++m)
                for (unsigned d = 1; d <= RealDays(y, m); ++d) {
                    unsigned ny = y, nm = m, nd = d;
                    NextDay(ny, nm, nd);
                    ASSERT_EQ(DayOfWeek(y, m, d) + 1,
                              DayOfWeek(ny, nm, nd) == 0 ? 7 : DayOfWeek(ny, nm, nd));
                    PrevDay(ny, nm, nd);
                    ASSERT_EQ(y, ny);
                    ASSERT_EQ(m, nm);
                    ASSERT_EQ(d, nd);
                }
}

// Every day of 1601-2399 counted plainly: the number rises by one, the date comes back, the
// weekday of the number ((n + 6) % 7, 1 January of year 0 a Saturday) agrees with the given
// formula, and the day of the year restarts at each 1 January.
TEST(DayNumber, RisesByOneAndRoundTripsOnEveryDayFrom1601To2399) {
    std::uint32_t n = DayNumber(1601, 1, 1), dayOfYear = 0;
    for (unsigned y = 1601; y < 2400; ++y, dayOfYear = 0)
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= RealDays(y, m); ++d, ++n) {
                ASSERT_EQ(n, DayNumber(y, m, d)) << y << "/" << m << "/" << d;
                const SYSTEMTIME back = DateOfDayNumber(n);
                ASSERT_EQ(y * 10000 + m * 100 + d,
                          back.wYear * 10000u + back.wMonth * 100u + back.wDay);
                ASSERT_EQ((n + 6) % 7, DayOfWeek(y, m, d));
                ASSERT_EQ(back.wDayOfWeek, DayOfWeek(y, m, d));
                ASSERT_EQ(++dayOfYear, DayOfYear(back));
            }
    // The ends of the range, and a day past the month's end as so many days after its start.
    EXPECT_EQ(0u, DayNumber(0, 1, 1));
    EXPECT_EQ(60u, DayNumber(0, 3, 1)); // year 0 is a leap year
    EXPECT_EQ(9999u, DateOfDayNumber(DayNumber(9999, 12, 31)).wYear);
    EXPECT_EQ(DayNumber(2023, 3, 2), DayNumber(2023, 2, 30));
}

TEST(DayNumber, DaysAddedAndCountedFollowFromIt) {
    const SYSTEMTIME from = MakeDate(2026, 12, 20);
    for (std::uint32_t n : {0u, 1u, 12u, 3659u}) {
        SYSTEMTIME to = from;
        ASSERT_TRUE(AddDays(to, n));
        EXPECT_EQ(DayNumber(from) + n, DayNumber(to));
        EXPECT_EQ(DayOfWeek(to.wYear, to.wMonth, to.wDay), to.wDayOfWeek);
        EXPECT_EQ(n + 1, CountDays(from, to));
        EXPECT_EQ(n == 0 ? 1u : 0u, CountDays(to, from));
    }
    // Never past LAST_YEAR, whatever n: the date stays as it was.
    for (std::uint32_t n : {1u, 0xFFFFFFFFu}) {
        SYSTEMTIME last = MakeDate(9999, 12, 31);
        EXPECT_FALSE(AddDays(last, n));
        EXPECT_EQ(DayNumber(9999, 12, 31), DayNumber(last));
    }
}
