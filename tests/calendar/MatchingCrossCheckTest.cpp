// Rules without moves against a direct definition, over every day of several years and a
// wide sweep of field values (foreign ones included). The definition walks the calendar with
// its own day count and never calls the calendar functions under test.
#include "MatchingTestUtil.h"
#include "calendar/Rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct RealDay {
    unsigned y, m, d, dow, dim, weekOfYear;
};

std::vector<RealDay> Walk(unsigned fromYear, unsigned toYear) {
    static const unsigned len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<RealDay> days;
    // 1 January 2021 was a Friday.
    unsigned dow = 5;
    for (unsigned y = 2021; y <= toYear; ++y) {
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const unsigned jan1 = dow;
        unsigned doy = 0;
        for (unsigned m = 1; m <= 12; ++m) {
            const unsigned dim = m == 2 && leap ? 29 : len[m - 1];
            for (unsigned d = 1; d <= dim; ++d, ++doy, dow = (dow + 1) % 7)
                if (y >= fromYear)
                    days.push_back({y, m, d, dow, dim, (doy + jan1) / 7 + 1});
        }
    }
    return days;
}

bool InMonthSet(unsigned type, bool odd, unsigned m) {
    switch (type) {
    case DT_MONTHLY:
        return true;
    case DT_BIMONTHLY:
        return (m % 2 == 1) == odd;
    case DT_QUARTER1:
        return m == 1 || m == 4 || m == 7 || m == 10;
    case DT_QUARTER2:
        return m == 2 || m == 5 || m == 8 || m == 11;
    case DT_QUARTER3:
        return m == 3 || m == 6 || m == 9 || m == 12;
    }
    return false;
}

// What each field combination means, said directly.
bool Expected(unsigned months, unsigned sd, unsigned ed, unsigned wd, unsigned flags,
              const RealDay& r) {
    const unsigned type = flags & DF_TYPE_MASK;
    const unsigned sm = months >> 4, em = months & 15;
    const unsigned week = (flags >> DF_WEEK_SHIFT) & 7;
    const bool odd = flags & DF_ODD, last = flags & DF_LAST;
    const bool hasWeekday = wd >= 1 && wd <= 7;
    const bool onWeekday = hasWeekday && r.dow == wd - 1;
    switch (type) {
    case DT_DAY:
        return r.m == sm && r.d == sd;
    case DT_WEEKLY:
        return onWeekday;
    case DT_BIWEEKLY:
        return onWeekday && (r.weekOfYear % 2 == 1) == odd;
    case DT_MONTHLY:
    case DT_BIMONTHLY:
    case DT_QUARTER1:
    case DT_QUARTER2:
    case DT_QUARTER3:
        if (!InMonthSet(type, odd, r.m))
            return false;
        if (week != 0) {
            if (type == DT_MONTHLY && sm != 0 && r.m != sm)
                return false;
            return onWeekday && (r.d - 1) / 7 + 1 == week;
        }
        if (last && wd == 0)
            return r.d == r.dim;
        if (last)
            return onWeekday && r.d + 7 > r.dim;
        return sd != 0 && r.d == sd;
    case DT_PERIOD:
        if (sm > em) // reversed: the start month's tail and the end month's head
            return (r.m == sm && r.d >= sd) || (r.m == em && r.d <= ed);
        return sm * 32 + sd <= r.m * 32 + r.d && r.m * 32 + r.d <= em * 32 + ed;
    default:
        return false;
    }
}

struct Case {
    unsigned months, sd, ed, wd, flags;
};

std::vector<Case> Sweep() {
    std::vector<Case> cases;
    // Option bits that play no part without a move.
    const unsigned extras[] = {0, DF_HOLIDAY, DF_SHIFT_LATER, 0xC000};
    for (unsigned x = 0; x < 4; ++x) {
        const unsigned extra = extras[x];
        for (unsigned sm = 0; sm <= 15; ++sm)
            for (unsigned sd : {0u, 1u, 15u, 28u, 29u, 30u, 31u, 45u})
                cases.push_back({sm << 4, sd, 0, x, DT_DAY | extra});
        for (unsigned wd = 0; wd <= 15; ++wd) {
            cases.push_back({0, 0, 0, wd, DT_WEEKLY | extra});
            cases.push_back({0, 0, 0, wd, DT_BIWEEKLY | extra});
            cases.push_back({0, 0, 0, wd, DT_BIWEEKLY | DF_ODD | extra});
        }
        for (unsigned type = DT_MONTHLY; type <= DT_QUARTER3; ++type)
            for (unsigned odd : {0u, unsigned(DF_ODD)}) {
                const unsigned f = type | odd | extra;
                for (unsigned week = 1; week <= 7; ++week)
                    for (unsigned wd = 0; wd <= 15; wd += (wd < 8 ? 1 : 7))
                        for (unsigned sm : {0u, 1u, 6u, 13u})
                            cases.push_back({sm << 4, 9, 0, wd, f | Week(week)});
                for (unsigned wd = 0; wd <= 15; ++wd)
                    for (unsigned sm : {0u, 5u})
                        cases.push_back({sm << 4, 0, 0, wd, f | DF_LAST});
                for (unsigned sd : {0u, 1u, 29u, 30u, 31u, 45u})
                    for (unsigned wd : {0u, 3u})
                        cases.push_back({0, sd, 0, wd, f});
            }
        for (unsigned sm : {0u, 1u, 4u, 12u})
            for (unsigned em : {1u, 4u, 5u, 12u, 13u})
                for (unsigned sd : {0u, 1u, 25u})
                    for (unsigned ed : {0u, 6u, 31u})
                        cases.push_back({sm << 4 | em, sd, ed, 0, DT_PERIOD | extra});
        for (unsigned t = 9; t <= 15; ++t)
            cases.push_back({0x1C, 1, 31, 2, t | Week(1) | extra});
    }
    return cases;
}
} // namespace

TEST(MatchesCrossCheck, RulesWithoutMovesOverSixYears) {
    const std::vector<RealDay> days = Walk(2023, 2028);
    const std::vector<Case> cases = Sweep();
    CKmdHoliday holidays; // no move, so the table must not matter
    for (unsigned m = 1; m <= 12; ++m)
        holidays.Mark(m, m + 3, true);
    long applied = 0;
    for (const Case& c : cases) {
        const CKmdDate e = RawEntry(c.months, c.sd, c.ed, c.wd, c.flags);
        for (const RealDay& r : days) {
            SYSTEMTIME st{};
            st.wYear = static_cast<WORD>(r.y);
            st.wMonth = static_cast<WORD>(r.m);
            st.wDay = static_cast<WORD>(r.d);
            st.wDayOfWeek = static_cast<WORD>(r.dow);
            const bool want = Expected(c.months, c.sd, c.ed, c.wd, c.flags, r);
            ASSERT_EQ(want, Matches(e.GetRule(), st, holidays))
                << "months " << c.months << " sd " << c.sd << " ed " << c.ed << " wd " << c.wd
                << " flags 0x" << std::hex << c.flags << std::dec << " on " << r.y << "-" << r.m
                << "-" << r.d;
            applied += want;
        }
    }
    EXPECT_GT(applied, 100000); // the sweep is not trivially empty
}
