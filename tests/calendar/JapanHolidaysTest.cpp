// Japan's national holidays against the lists the Cabinet Office published, the equinox days
// against the published days, and the substitute and citizens' holiday rules where they bite.
#include "calendar/JapanHolidays.h"
#include "calendar/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {
// "M/D name" for each day off, space-separated.
std::string Listing(unsigned year) {
    std::vector<JapanHoliday> days;
    JapanHolidays(year, days);
    std::string s;
    for (const JapanHoliday& h : days)
        s += (s.empty() ? "" : " ") + std::to_string(h.month) + "/" + std::to_string(h.day) + " " +
             h.name;
    return s;
}
} // namespace

TEST(JapanHolidays, EveryDayOffOfThePublishedLists) {
    const struct {
        unsigned year;
        const char* list;
    } lists[] = {
        {2019, "1/1 元日 1/14 成人の日 2/11 建国記念の日 3/21 春分の日 4/29 昭和の日 "
               "4/30 国民の休日 5/1 即位の日 5/2 国民の休日 5/3 憲法記念日 5/4 みどりの日 "
               "5/5 こどもの日 5/6 振替休日 7/15 海の日 8/11 山の日 8/12 振替休日 9/16 敬老の日 "
               "9/23 秋分の日 10/14 体育の日 10/22 即位礼正殿の儀 11/3 文化の日 11/4 振替休日 "
               "11/23 勤労感謝の日"},
        {2020, "1/1 元日 1/13 成人の日 2/11 建国記念の日 2/23 天皇誕生日 2/24 振替休日 "
               "3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 "
               "5/6 振替休日 7/23 海の日 7/24 スポーツの日 8/10 山の日 9/21 敬老の日 "
               "9/22 秋分の日 11/3 文化の日 11/23 勤労感謝の日"},
        {2021, "1/1 元日 1/11 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 "
               "4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 7/22 海の日 "
               "7/23 スポーツの日 8/8 山の日 8/9 振替休日 9/20 敬老の日 9/23 秋分の日 "
               "11/3 文化の日 11/23 勤労感謝の日"},
        {2023, "1/1 元日 1/2 振替休日 1/9 成人の日 2/11 建国記念の日 2/23 天皇誕生日 "
               "3/21 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 "
               "7/17 海の日 8/11 山の日 9/18 敬老の日 9/23 秋分の日 10/9 スポーツの日 "
               "11/3 文化の日 11/23 勤労感謝の日"},
        {2024, "1/1 元日 1/8 成人の日 2/11 建国記念の日 2/12 振替休日 2/23 天皇誕生日 "
               "3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 "
               "5/6 振替休日 7/15 海の日 8/11 山の日 8/12 振替休日 9/16 敬老の日 "
               "9/22 秋分の日 9/23 振替休日 10/14 スポーツの日 11/3 文化の日 11/4 振替休日 "
               "11/23 勤労感謝の日"},
        {2025, "1/1 元日 1/13 成人の日 2/11 建国記念の日 2/23 天皇誕生日 2/24 振替休日 "
               "3/20 春分の日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 "
               "5/6 振替休日 7/21 海の日 8/11 山の日 9/15 敬老の日 9/23 秋分の日 "
               "10/13 スポーツの日 11/3 文化の日 11/23 勤労感謝の日 11/24 振替休日"},
        {2026, "1/1 元日 1/12 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/20 春分の日 "
               "4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 5/6 振替休日 "
               "7/20 海の日 8/11 山の日 9/21 敬老の日 9/22 国民の休日 9/23 秋分の日 "
               "10/12 スポーツの日 11/3 文化の日 11/23 勤労感謝の日"},
        {2027, "1/1 元日 1/11 成人の日 2/11 建国記念の日 2/23 天皇誕生日 3/21 春分の日 "
               "3/22 振替休日 4/29 昭和の日 5/3 憲法記念日 5/4 みどりの日 5/5 こどもの日 "
               "7/19 海の日 8/11 山の日 9/20 敬老の日 9/23 秋分の日 10/11 スポーツの日 "
               "11/3 文化の日 11/23 勤労感謝の日"},
    };
    for (const auto& l : lists)
        EXPECT_EQ(l.list, Listing(l.year)) << l.year;
}

// The days of the rules of earlier law, and the two extra days off where they bite.
TEST(JapanHolidays, SubstituteAndCitizensHolidays) {
    const struct {
        unsigned year, month, day;
        const char* name; // null: a working day (or a plain Sunday)
    } cases[] = {
        {2000, 7, 20, "海の日"},     {2002, 9, 15, "敬老の日"},  // fixed dates until 2002
        {2002, 9, 16, "振替休日"},   {2003, 9, 15, "敬老の日"},  // third Monday from 2003
        {2002, 5, 4, "国民の休日"},  {2003, 5, 4, nullptr},      // no Sunday before 2007
        {2006, 4, 29, "みどりの日"}, {2006, 5, 4, "国民の休日"}, // before the 2007 change
        {2007, 4, 29, "昭和の日"},   {2007, 4, 30, "振替休日"},      {2007, 5, 4, "みどりの日"},
        {2008, 5, 6, "振替休日"},    {2009, 5, 6, "振替休日"}, // past 5/4 and 5/5
        {2009, 9, 22, "国民の休日"}, {2015, 9, 22, "国民の休日"},    {2018, 12, 23, "天皇誕生日"},
        {2018, 12, 24, "振替休日"},  {2019, 12, 23, nullptr},        {2019, 2, 23, nullptr},
        {2015, 8, 11, nullptr},      {2016, 8, 11, "山の日"},        {2020, 10, 12, nullptr},
        {2021, 10, 11, nullptr},     {2022, 10, 10, "スポーツの日"},
    };
    for (const auto& c : cases) {
        std::vector<JapanHoliday> days;
        JapanHolidays(c.year, days);
        const char* found = nullptr;
        for (const JapanHoliday& h : days)
            if (h.month == c.month && h.day == c.day)
                found = h.name;
        EXPECT_STREQ(c.name, found) << c.year << "/" << c.month << "/" << c.day;
    }
}

// Published days (official lists to 2027, the long-range computations after) and the
// approximation evaluated independently in floating point for every year. By hand, 2088:
// 20.8431 + 0.242194 * 108 - 27 = 20.000052, the 20th; 2092: 47.968828 - 28, the 19th.
TEST(JapanHolidays, EquinoxDays) {
    const struct {
        unsigned year, spring, autumn;
    } published[] = {
        {2000, 20, 23}, {2002, 21, 23}, {2004, 20, 23}, {2011, 21, 23}, {2012, 20, 22},
        {2016, 20, 22}, {2019, 21, 23}, {2020, 20, 22}, {2023, 21, 23}, {2024, 20, 22},
        {2025, 20, 23}, {2026, 20, 23}, {2027, 21, 23}, {2044, 20, 22}, {2045, 20, 22},
        {2055, 21, 23}, {2059, 20, 23}, {2092, 19, 22}, {2096, 19, 22}, {2099, 20, 23},
    };
    for (const auto& p : published) {
        EXPECT_EQ(p.spring, SpringEquinoxDay(p.year)) << p.year;
        EXPECT_EQ(p.autumn, AutumnEquinoxDay(p.year)) << p.year;
    }
    for (unsigned y = 1980; y <= 2099; ++y) {
        const double leap = std::floor((y - 1980) / 4.0);
        EXPECT_EQ(static_cast<unsigned>(std::floor(20.8431 + 0.242194 * (y - 1980) - leap)),
                  SpringEquinoxDay(y))
            << y;
        EXPECT_EQ(static_cast<unsigned>(std::floor(23.2488 + 0.242194 * (y - 1980) - leap)),
                  AutumnEquinoxDay(y))
            << y;
    }
}

TEST(JapanHolidays, EveryYearOfTheRangeAndNoneOutside) {
    for (unsigned y = JAPAN_HOLIDAYS_FIRST_YEAR; y <= JAPAN_HOLIDAYS_LAST_YEAR; ++y) {
        std::vector<JapanHoliday> days;
        ASSERT_TRUE(JapanHolidays(y, days));
        EXPECT_GE(days.size(), 15u) << y;
        EXPECT_LE(days.size(), 22u) << y;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const JapanHoliday& h = days[i];
            ASSERT_TRUE(h.month >= 1 && h.month <= 12 && h.day >= 1 &&
                        h.day <= DaysInMonth(y, h.month))
                << y;
            // In date order, so no day twice; each holiday of the law at most once a year.
            if (i > 0) {
                EXPECT_LT(days[i - 1].month * 32 + days[i - 1].day, h.month * 32 + h.day) << y;
            }
            const bool once =
                std::strcmp(h.name, "振替休日") != 0 && std::strcmp(h.name, "国民の休日") != 0;
            for (std::size_t j = 0; once && j < i; ++j)
                EXPECT_STRNE(days[j].name, h.name) << y;
        }
    }
    std::vector<JapanHoliday> days{{1, 1, "x"}};
    EXPECT_FALSE(JapanHolidays(1999, days));
    EXPECT_TRUE(days.empty());
    EXPECT_FALSE(JapanHolidays(2100, days));
}
