// The holiday table: Mark and IsHoliday, and MarkHolidays for every entry type, checked in
// years of both lengths and several first weekdays against a day-by-day walk of the year.
#include "EntryUtil.h"
#include "calendar/KmdDataFile.h"
#include "data/KmdHoliday.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
// Independent of the engine: days since 1970-01-01 (the days-from-civil algorithm).
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

unsigned Weekday(long y, unsigned m, unsigned d) { // 0 = Sunday
    const long z = DaysFromCivil(y, m, d);
    return static_cast<unsigned>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6);
}

unsigned MonthLength(long y, unsigned m) {
    return static_cast<unsigned>(DaysFromCivil(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) -
                                 DaysFromCivil(y, m, 1));
}

struct Masks {
    std::uint32_t m[12] = {};
    void Set(unsigned month, unsigned day) {
        if (day >= 1 && day <= 31)
            m[month - 1] |= 1u << (day - 1);
    }
    bool operator==(const Masks& o) const {
        for (int i = 0; i < 12; ++i)
            if (m[i] != o.m[i])
                return false;
        return true;
    }
};

std::string Show(const Masks& x) {
    std::string s;
    for (unsigned month = 1; month <= 12; ++month) {
        s += std::to_string(month) + ":";
        for (unsigned d = 1; d <= 31; ++d)
            if (x.m[month - 1] >> (d - 1) & 1)
                s += " " + std::to_string(d);
        s += "\n";
    }
    return s;
}

// Walks every real day of the year; `pick` says whether the day is marked.
Masks Walk(long y, const std::function<bool(unsigned, unsigned, unsigned)>& pick) {
    Masks x;
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned d = 1; d <= MonthLength(y, m); ++d)
            if (pick(m, d, Weekday(y, m, d)))
                x.Set(m, d);
    return x;
}

// Week of the year, Sunday to Saturday, week 1 holding January 1.
unsigned WeekOfYear(long y, unsigned m, unsigned d) {
    const long k = DaysFromCivil(y, m, d) - DaysFromCivil(y, 1, 1);
    return static_cast<unsigned>((k + Weekday(y, 1, 1)) / 7 + 1);
}

constexpr unsigned H = DF_HOLIDAY;
unsigned Week(unsigned n) {
    return n << DF_WEEK_SHIFT;
}

// The years: 2023 Sunday, 2024 Monday leap, 2026 Thursday, 2027 Friday, 2028 Saturday leap,
// 2000 Saturday leap century, 2100 Friday common century.
const unsigned kYears[] = {2023, 2024, 2026, 2027, 2028, 2000, 2100};

class Holidays : public ::testing::Test {
protected:
    void TearDown() override { SetClockOverride(nullptr); }

    static void SetYear(unsigned y) {
        SYSTEMTIME now{};
        now.wYear = static_cast<WORD>(y);
        now.wMonth = 7;
        now.wDay = 15;
        now.wDayOfWeek = static_cast<WORD>(Weekday(y, 7, 15));
        SetClockOverride(&now);
    }

    static Masks Marked(const std::vector<CKmdDate>& entries, unsigned firstIndex = 0) {
        CKmdDataFile file;
        for (const CKmdDate& e : entries)
            file.Add(e);
        file.MarkHolidays(firstIndex);
        Masks x;
        for (unsigned m = 1; m <= 12; ++m)
            x.m[m - 1] = file.GetHolidays().GetMask(m);
        return x;
    }

    // One entry in every year against the walk.
    void Expect(const char* what, const CKmdDate& e, const std::function<Masks(long)>& expected) {
        for (unsigned y : kYears) {
            SetYear(y);
            const Masks want = expected(y), got = Marked({e});
            EXPECT_TRUE(want == got) << what << " in " << y << "\nwanted\n"
                                     << Show(want) << "got\n"
                                     << Show(got);
        }
    }
};
} // namespace

TEST(HolidayTable, MarkAndIsHolidayRefuseDaysOutsideTheTable) {
    CKmdHoliday t;
    EXPECT_FALSE(t.Mark(0, 5, true));
    EXPECT_FALSE(t.Mark(13, 1, true));
    EXPECT_FALSE(t.Mark(1, 0, true));
    EXPECT_FALSE(t.Mark(1, 32, true));
    for (unsigned m = 1; m <= 12; ++m)
        EXPECT_EQ(0u, t.GetMask(m));
    EXPECT_TRUE(t.Mark(2, 30, true)); // a day February lacks has its bit like any other
    EXPECT_TRUE(t.IsHoliday(2, 30));
    EXPECT_TRUE(t.Mark(12, 31, true));
    EXPECT_EQ(0x40000000u, t.GetMask(12));
    EXPECT_FALSE(t.IsHoliday(0, 30));
    EXPECT_FALSE(t.IsHoliday(12, 32));
    EXPECT_TRUE(t.Mark(2, 30, false));
    EXPECT_FALSE(t.IsHoliday(2, 30));
    CKmdHoliday copy(t);
    t.Clear();
    EXPECT_FALSE(t.IsHoliday(12, 31));
    EXPECT_TRUE(copy.IsHoliday(12, 31));
    copy = copy;
    EXPECT_TRUE(copy.IsHoliday(12, 31));
}

TEST_F(Holidays, DayWeeklyAndBiweekly) {
    Expect("1/1", RawEntry(0x10, 1, 0, 0, DT_DAY | H), [](long) {
        return Walk(0, [](unsigned m, unsigned d, unsigned) { return m == 1 && d == 1; });
    });
    Expect("every Sunday", RawEntry(0, 0, 0, 1, DT_WEEKLY | H),
           [](long y) { return Walk(y, [](unsigned, unsigned, unsigned w) { return w == 0; }); });
    Expect("every Saturday", RawEntry(0, 0, 0, 7, DT_WEEKLY | H),
           [](long y) { return Walk(y, [](unsigned, unsigned, unsigned w) { return w == 6; }); });
    for (unsigned wd = 1; wd <= 7; ++wd)
        for (bool odd : {true, false})
            Expect("biweekly", RawEntry(0, 0, 0, wd, DT_BIWEEKLY | H | (odd ? DF_ODD : 0)),
                   [=](long y) {
                       return Walk(y, [=](unsigned m, unsigned d, unsigned w) {
                           return w == wd - 1 && (WeekOfYear(y, m, d) % 2 == 1) == odd;
                       });
                   });
}

TEST_F(Holidays, MonthBasedTypesInEachDayForm) {
    const struct {
        unsigned type, odd;
        std::function<bool(unsigned)> inMonth;
    } kinds[] = {
        {DT_MONTHLY, 0, [](unsigned) { return true; }},
        {DT_BIMONTHLY, DF_ODD, [](unsigned m) { return m % 2 == 1; }},
        {DT_BIMONTHLY, 0, [](unsigned m) { return m % 2 == 0; }},
        {DT_QUARTER1, 0, [](unsigned m) { return m % 3 == 1; }},
        {DT_QUARTER2, 0, [](unsigned m) { return m % 3 == 2; }},
        {DT_QUARTER3, 0, [](unsigned m) { return m % 3 == 0; }},
    };
    for (const auto& k : kinds) {
        const auto in = k.inMonth;
        // The day form marks the day even where the month lacks it (2/31 has a bit).
        Expect("day 31", RawEntry(0, 31, 0, 0, k.type | k.odd | H), [=](long) {
            Masks x;
            for (unsigned m = 1; m <= 12; ++m)
                if (in(m))
                    x.Set(m, 31);
            return x;
        });
        Expect("last day", RawEntry(0, 0, 0, 0, k.type | k.odd | DF_LAST | H), [=](long y) {
            return Walk(y, [=](unsigned m, unsigned d, unsigned) {
                return in(m) && d == MonthLength(y, m);
            });
        });
        for (unsigned wd = 1; wd <= 7; ++wd) {
            Expect("last weekday", RawEntry(0, 0, 0, wd, k.type | k.odd | DF_LAST | H),
                   [=](long y) {
                       return Walk(y, [=](unsigned m, unsigned d, unsigned w) {
                           return in(m) && w == wd - 1 && d + 7 > MonthLength(y, m);
                       });
                   });
            for (unsigned n = 1; n <= 5; ++n)
                Expect("nth weekday", RawEntry(0, 0, 0, wd, k.type | k.odd | Week(n) | H),
                       [=](long y) {
                           // A fifth weekday the month lacks lands past its end and is kept
                           // up to day 31.
                           Masks x;
                           for (unsigned m = 1; m <= 12; ++m) {
                               if (!in(m))
                                   continue;
                               const unsigned first = (wd - 1 + 7 - Weekday(y, m, 1)) % 7 + 1;
                               x.Set(m, first + 7 * (n - 1));
                           }
                           return x;
                       });
        }
    }
}

TEST_F(Holidays, MonthlyStartMonthNamesTheOneMonth) {
    // The second Monday of January.
    Expect("second Monday of January", RawEntry(0x10, 0, 0, 2, DT_MONTHLY | Week(2) | H),
           [](long y) {
               return Walk(y, [](unsigned m, unsigned d, unsigned w) {
                   return m == 1 && w == 1 && d >= 8 && d <= 14;
               });
           });
    Expect("25th of March only", RawEntry(0x30, 25, 0, 0, DT_MONTHLY | H), [](long) {
        Masks x;
        x.Set(3, 25);
        return x;
    });
    Expect("last day of February", RawEntry(0x20, 0, 0, 0, DT_MONTHLY | DF_LAST | H), [](long y) {
        Masks x;
        x.Set(2, MonthLength(y, 2));
        return x;
    });
    // The other month-based types ignore the start month.
    Expect("bimonthly ignores the start month", RawEntry(0x30, 5, 0, 0, DT_BIMONTHLY | H),
           [](long) {
               Masks x;
               for (unsigned m = 2; m <= 12; m += 2)
                   x.Set(m, 5);
               return x;
           });
}

TEST_F(Holidays, Periods) {
    const auto span = [](unsigned m1, unsigned d1, unsigned m2, unsigned d2) {
        return [=](long y) {
            return Walk(y, [=](unsigned m, unsigned d, unsigned) {
                return (m > m1 || (m == m1 && d >= d1)) && (m < m2 || (m == m2 && d <= d2));
            });
        };
    };
    Expect("8/13-8/16", RawEntry(0x88, 13, 16, 0, DT_PERIOD | H), span(8, 13, 8, 16));
    Expect("4/29-5/5", RawEntry(0x45, 29, 5, 0, DT_PERIOD | H), span(4, 29, 5, 5));
    Expect("2/20-3/1 by February's length", RawEntry(0x23, 20, 1, 0, DT_PERIOD | H),
           span(2, 20, 3, 1));
    Expect("12/29-1/3 marks nothing", RawEntry(0xC1, 29, 3, 0, DT_PERIOD | H),
           [](long) { return Masks(); });
    Expect("start day after end day in one month", RawEntry(0x55, 20, 10, 0, DT_PERIOD | H),
           [](long) { return Masks(); });
    Expect("whole year 1/1-12/31", RawEntry(0x1C, 1, 31, 0, DT_PERIOD | H), span(1, 1, 12, 31));
    // An end day the month lacks is marked as written.
    Expect("2/27-2/31", RawEntry(0x22, 27, 31, 0, DT_PERIOD | H), [](long) {
        Masks x;
        for (unsigned d = 27; d <= 31; ++d)
            x.Set(2, d);
        return x;
    });
    // Months past 12 or 0 are clipped; the end day counts only in the real end month.
    Expect("11/25 to month 14", RawEntry(0xBE, 25, 3, 0, DT_PERIOD | H), span(11, 25, 12, 31));
    Expect("month 0 to 2/3", RawEntry(0x02, 9, 3, 0, DT_PERIOD | H), span(1, 1, 2, 3));
    Expect("months 13-15 mark nothing", RawEntry(0xDF, 1, 31, 0, DT_PERIOD | H),
           [](long) { return Masks(); });
    Expect("day 0 start keeps the rest", RawEntry(0x33, 0, 2, 0, DT_PERIOD | H), span(3, 1, 3, 2));
    Expect("end day 255 stops at 31", RawEntry(0x11, 30, 255, 0, DT_PERIOD | H), [](long) {
        Masks x;
        x.Set(1, 30);
        x.Set(1, 31);
        return x;
    });
}

// Fields no setter allows, as a pasted image or a damaged file may carry them.
TEST_F(Holidays, FieldsOutsideTheRulesMarkNothing) {
    const struct {
        const char* what;
        CKmdDate e;
    } none[] = {
        {"no DF_HOLIDAY", RawEntry(0x10, 1, 0, 0, DT_DAY)},
        {"day month 0", RawEntry(0x00, 1, 0, 0, DT_DAY | H)},
        {"day month 13", RawEntry(0xD0, 1, 0, 0, DT_DAY | H)},
        {"day month 15", RawEntry(0xF0, 1, 0, 0, DT_DAY | H)},
        {"day 0", RawEntry(0x10, 0, 0, 0, DT_DAY | H)},
        {"day 32", RawEntry(0x10, 32, 0, 0, DT_DAY | H)},
        {"monthly start month 13", RawEntry(0xD0, 5, 0, 0, DT_MONTHLY | H)},
        {"monthly start month 14, last day", RawEntry(0xE0, 0, 0, 0, DT_MONTHLY | DF_LAST | H)},
        {"monthly start month 15, nth", RawEntry(0xF0, 0, 0, 2, DT_MONTHLY | Week(2) | H)},
        {"monthly day 0", RawEntry(0, 0, 0, 0, DT_MONTHLY | H)},
        {"weekly weekday 0", RawEntry(0, 0, 0, 0, DT_WEEKLY | H)},
        {"weekly weekday 8", RawEntry(0, 0, 0, 8, DT_WEEKLY | H)},
        {"weekly weekday 15", RawEntry(0, 0, 0, 15, DT_WEEKLY | H)},
        {"biweekly weekday 0", RawEntry(0, 0, 0, 0, DT_BIWEEKLY | DF_ODD | H)},
        {"biweekly weekday 9", RawEntry(0, 0, 0, 9, DT_BIWEEKLY | H)},
        {"nth weekday 0", RawEntry(0, 0, 0, 0, DT_MONTHLY | Week(1) | H)},
        {"nth weekday 8", RawEntry(0, 0, 0, 8, DT_QUARTER1 | Week(3) | H)},
        {"last weekday 12", RawEntry(0, 0, 0, 12, DT_BIMONTHLY | DF_LAST | H)},
        {"week 6 lands past day 31", RawEntry(0, 0, 0, 2, DT_MONTHLY | Week(6) | H)},
        {"week 7 lands past day 31", RawEntry(0, 0, 0, 7, DT_MONTHLY | Week(7) | H)},
        {"type 9", RawEntry(0x11, 1, 1, 1, 9 | H)},
        {"type 15", RawEntry(0x11, 1, 1, 1, 15 | H)},
    };
    for (const auto& c : none)
        Expect(c.what, c.e, [](long) { return Masks(); });
    // The weekday is the low nibble: a high nibble does not stop a rule.
    Expect("weekday byte 0x31 is Sunday", RawEntry(0, 0, 0, 0x31, DT_WEEKLY | H),
           [](long y) { return Walk(y, [](unsigned, unsigned, unsigned w) { return w == 0; }); });
}

TEST_F(Holidays, MarkingStartsAtFirstIndexAndAccumulates) {
    SetYear(2024);
    const CKmdDate newYear = RawEntry(0x10, 1, 0, 0, DT_DAY | H);
    const CKmdDate foundation = RawEntry(0x20, 11, 0, 0, DT_DAY | H);
    Masks want;
    want.Set(2, 11);
    EXPECT_TRUE(want == Marked({newYear, foundation}, 1));
    EXPECT_TRUE(Masks() == Marked({newYear, foundation}, 2));
    EXPECT_TRUE(Masks() == Marked({newYear}, 7));

    CKmdDataFile file;
    file.Add(newYear);
    file.MarkHolidays(0);
    file.Add(foundation);
    file.MarkHolidays(1);
    EXPECT_TRUE(file.GetHolidays().IsHoliday(1, 1));
    EXPECT_TRUE(file.GetHolidays().IsHoliday(2, 11));
    file.Clear();
    EXPECT_FALSE(file.GetHolidays().IsHoliday(1, 1));
}

TEST_F(Holidays, TheTableIsForTheClocksYear) {
    const CKmdDate happyMonday = RawEntry(0x10, 0, 0, 2, DT_MONTHLY | Week(2) | H);
    SetYear(2026);
    Masks y2026;
    y2026.Set(1, 12);
    EXPECT_TRUE(y2026 == Marked({happyMonday}));
    SetYear(2027);
    Masks y2027;
    y2027.Set(1, 11);
    EXPECT_TRUE(y2027 == Marked({happyMonday}));
}
