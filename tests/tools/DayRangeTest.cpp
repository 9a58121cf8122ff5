// agenda and month against the day-by-day meaning: for every day D of a range the names are
// those the chip shows with the clock at D, over random rules and ranges across a year end.
#include "DayModel.h"
#include "KmbBuilder.h"
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "data/KmdDateFlags.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {
const char* const kWeekdays[7] = {u8"日", u8"月", u8"火", u8"水", u8"木", u8"金", u8"土"};

std::string Iso(const SYSTEMTIME& d) {
    char s[32];
    std::snprintf(s, sizeof s, "%04u-%02u-%02u", d.wYear, d.wMonth, d.wDay);
    return s;
}
} // namespace

TEST(DayRange, EveryDayShowsWhatTheChipShowsWithTheClockOnThatDay) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        const std::string dir = FreshDir("range" + std::to_string(seed));
        const unsigned year = 2001 + rng() % 90;
        WriteBytes(dir + "/r.kmb", KmbBytes(RandomRules(rng, 40, "e")));
        for (unsigned y : {year, year + 1})
            WriteBytes(dir + "/h" + std::to_string(y) + ".kmb",
                       KmbBytes(YearEndHolidays(rng, y, "h")));
        const std::string chip =
            dir + "/r.kmb\r\n" + dir + "/h%year%.kmb\r\n" + dir + "/gone%year%";
        // The chip file's lines name the files from its own folder.
        WriteBytes(dir + "/chip.txt", "r.kmb\r\nh%year%.kmb\r\ngone%year%");

        const SYSTEMTIME from = MakeDate(year, 11 + rng() % 2, 1 + rng() % 28);
        const unsigned days = 20 + rng() % 60;
        std::string expected, december;
        std::uint32_t y = from.wYear, m = from.wMonth, d = from.wDay;
        for (unsigned i = 0; i < days; ++i, NextDay(y, m, d)) {
            const SYSTEMTIME date = MakeDate(y, m, d);
            const std::vector<std::string> names = NamesOn(chip, date);
            for (const std::string& n : names)
                expected += Iso(date) + "\t" + n + "\n";
            for (std::size_t k = 0; y == year && m == 12 && k < names.size(); ++k) {
                char prefix[32];
                std::snprintf(prefix, sizeof prefix, u8"%2u日(%s) ", d, kWeekdays[date.wDayOfWeek]);
                december += (k == 0 ? std::string(prefix) : std::string(9, ' ')) + names[k] + "\n";
            }
        }
        const ToolRun r = RunKoyomi(".", "agenda --tsv --from " + Iso(from) + " --days " +
                                             std::to_string(days) + " --chip " + dir + "/chip.txt");
        EXPECT_EQ(0, r.status) << seed;
        EXPECT_EQ(expected, r.out) << "seed " << seed;
        // One warning per missing path, however many days named it.
        const std::size_t first = r.err.find("gone" + std::to_string(year));
        EXPECT_NE(std::string::npos, first) << r.err;
        EXPECT_EQ(std::string::npos, r.err.find("gone" + std::to_string(year), first + 1)) << r.err;

        // December's list below the grid, when the range holds all of December.
        if (from.wMonth == 11 && Iso(MakeDate(y, m, d)) > std::to_string(year + 1) + "-01-00") {
            const ToolRun month =
                RunKoyomi(".", "--utf8 month " + std::to_string(year) +
                                   "-12 --color=never --chip " + dir + "/chip.txt");
            const std::string gap = Redirected("\n\n");
            const std::size_t list = month.out.find(gap);
            EXPECT_EQ(Redirected(december),
                      list == std::string::npos ? "" : month.out.substr(list + gap.size()))
                << "seed " << seed;
        }
    }
}

TEST(DayRange, LayoutOfTheAgendaAndTheMonthGrid) {
    const std::string dir = FreshDir("layout");
    WriteBytes(dir + "/a.kmb",
               KmbBytes({{2 << 4, 11, 0, 0, DT_DAY | DF_HOLIDAY, "建国記念の日"},
                         {2 << 4, 23, 0, 0, DT_DAY | DF_HOLIDAY, "天皇誕生日"},
                         {2 << 4, 23, 0, 0, DT_DAY, "会議"},
                         {0, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL, "給料日"}}));
    EXPECT_EQ(Redirected(u8"2027/02/10 水曜日\n  なし\n\n2027/02/11 木曜日\n  建国記念の日\n"),
              RunKoyomi(dir, "--utf8 agenda --all --from 2027-02-10 --to 2027-02-11 a.kmb").out);
    const std::string grid = u8"             2027年2月\n"
                             u8" 日   月   火   水   木   金   土\n"
                             u8"       1    2    3    4    5    6\n"
                             u8"  7    8    9   10  [11]  12   13\n"
                             u8" 14   15   16   17   18   19   20\n"
                             u8" 21   22  [23]* 24   25 * 26   27\n"
                             u8" 28\n";
    EXPECT_EQ(Redirected(grid + u8"\n11日(木) 建国記念の日\n23日(火) 天皇誕生日\n         会議\n"
                                u8"25日(木) 給料日\n"),
              RunKoyomi(dir, "--utf8 month 2027-02 a.kmb").out);
    // Colour only when asked (here no terminal): Sundays and holidays in red.
    const std::string colored = RunKoyomi(dir, "month --color=always 2027-02 a.kmb").out;
    EXPECT_NE(std::string::npos, colored.find("\x1b[31m  7 \x1b[0m"));
    EXPECT_NE(std::string::npos, colored.find("\x1b[31m[11]\x1b[0m"));
}

TEST(DayRange, BadRangesExitTwoAndUnreadableFilesOne) {
    const std::string dir = FreshDir("badrange");
    WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("x")}));
    for (const char* args :
         {"agenda --from 2026-02-30 a.kmb", "agenda --from 2026-01-02 --to 2026-01-01 a.kmb",
          "agenda --days 0 a.kmb", "agenda --days 3661 a.kmb",
          "agenda --days 3 --to 2026-01-01 a.kmb", "agenda --from 2020-01-01 --to 2030-01-10 a.kmb",
          "agenda --from 9999-12-30 a.kmb", "agenda --now 2026-01-01", "agenda --chip c.txt a.kmb",
          "month 2026-13 a.kmb", "month --color=sometimes a.kmb",
          "ics --from 2026-01-02 --to 2026-01-01 a.kmb", "ics --to 2026-01-01 -o a.kmb",
          "ics --tsv a.kmb", "ics --alarm-at 24:00 a.kmb", "ics --alarm-at=7:30 a.kmb",
          "ics --alarm-at a.kmb", "agenda --alarm-at 19:00 a.kmb"}) {
        const ToolRun r = RunKoyomi(dir, args);
        EXPECT_EQ(2, r.status) << args;
        EXPECT_EQ("", r.out) << args;
    }
    EXPECT_EQ(1, RunKoyomi(dir, "agenda --from 2026-01-01 gone.kmb").status);
    EXPECT_EQ(2, ReadBytes(dir + "/a.kmb").size() > 8 ? 2 : 0); // -o never wrote over it
}
