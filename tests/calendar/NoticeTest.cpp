// Days of notice: the "*N" that ends a chip line, and the lines it adds to the chip text
// against the day-by-day meaning of "what the chip shows on day D+k".
#include "DayModel.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "calendar/DayText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(NoticeSuffix, OnlyOneOrTwoDigitsFromOneToThirtyOneEndingTheLineAsk) {
    const std::string p258(258, 'p');
    const struct {
        std::string line, path;
        unsigned notice;
    } cases[] = {
        {"C:\\koyomi\\gomi.kmb*1", "C:\\koyomi\\gomi.kmb", 1},
        {"給料日-%year%.kmb*3", "給料日-2026.kmb", 3},
        {"a.kmb*31", "a.kmb", 31},
        {"a.kmb*07", "a.kmb", 7},
        {"a.kmb**2", "a.kmb*", 2},
        {"\"C:\\a b\\gomi.kmb\"*2", "C:\\a b\\gomi.kmb", 2}, // the quotes go after the suffix
        {p258 + "p*3", p258 + "p", 3},                       // the limit is the path's
        // Paths exactly as before.
        {"a.kmb*0", "a.kmb*0", 0},
        {"a.kmb*32", "a.kmb*32", 0},
        {"a.kmb*x", "a.kmb*x", 0},
        {"a.kmb* 2", "a.kmb* 2", 0},
        {"a.kmb*007", "a.kmb*007", 0},
        {"a.kmb*1 ", "a.kmb*1 ", 0},
        {"a.kmb*", "a.kmb*", 0},
        {"a.kmb*-1", "a.kmb*-1", 0},
        {"a.kmb1", "a.kmb1", 0},
        {"*3", "*3", 0},
        {"\"a.kmb*2\"", "a.kmb*2", 0},
        {"%year%*5%", "2026*5%", 0},
    };
    for (const auto& c : cases) {
        unsigned pos = 0, notice = 99;
        char line[MEMO_LINE_SIZE];
        const std::string chip = "\t" + c.line + "\r\nnext.kmb";
        ASSERT_TRUE(NextDataFileName(pos, line, 2026, chip.c_str(), &notice)) << c.line;
        EXPECT_EQ(c.path, line) << c.line;
        EXPECT_EQ(c.notice, notice) << c.line;
        ASSERT_TRUE(NextDataFileName(pos, line, 2026, chip.c_str(), &notice));
        EXPECT_EQ(0u, notice) << "the next line's own";
    }
    // A path part too long is dropped whole, the suffix with it.
    std::vector<SkippedFile> skipped;
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    const std::string tooLong = p258 + "pp*3";
    EXPECT_FALSE(NextDataFileName(pos, line, 2026, tooLong.c_str(), nullptr, &skipped));
    ASSERT_EQ(1u, skipped.size());
    EXPECT_EQ(tooLong, skipped[0].path);
    EXPECT_EQ(3u, MostNoticeDays("a.kmb*2\nb.kmb*3\rc.kmb*0\nd.kmb"));
}

namespace {
std::string Label(unsigned k) {
    return k == 1 ? "明日" : k == 2 ? "明後日" : std::to_string(k) + "日後";
}

SYSTEMTIME DaysOn(SYSTEMTIME d, unsigned k) {
    AddDays(d, k);
    return d;
}
} // namespace

// Random chips of several lines, each line its own file and some asking for notice, one of
// them the holidays of "%year%", on random days about a year's end, with the clock in the
// date's year or another: the chip text is the same chip's text without the suffixes, then
// for each day k ahead the names of the lines asking for k days or more that the chip shows
// with the clock on that day, in order.
TEST(NoticeLines, AreWhatTheChipShowsWithTheClockOnEachDayAhead) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const std::string dir = FreshDir("notice" + std::to_string(seed));
        const unsigned year = 2001 + rng() % 90;
        const unsigned lines = 2 + rng() % 4, holidayLine = rng() % lines;
        std::string chip, plain;
        std::vector<unsigned> notice(lines);
        for (unsigned i = 0; i < lines; ++i) {
            const std::string tag = "L" + std::to_string(i) + "-";
            std::string path = dir + "/f" + std::to_string(i) + ".kmb";
            if (i == holidayLine) {
                path = dir + "/h" + std::to_string(i) + "-%year%.kmb";
                for (unsigned y : {year, year + 1})
                    WriteBytes(dir + "/h" + std::to_string(i) + "-" + std::to_string(y) + ".kmb",
                               KmbBytes(YearEndHolidays(rng, y, tag)));
            } else {
                WriteBytes(path, KmbBytes(RandomRules(rng, 30, tag)));
            }
            notice[i] = rng() % 3 ? 1 + rng() % 31 : 0;
            const std::string end = rng() % 2 ? "\r\n" : "\n";
            chip += path + (notice[i] ? "*" + std::to_string(notice[i]) : "") + end;
            plain += path + end;
        }
        chip += dir + "/gone.kmb*4"; // adds nothing on any day
        plain += dir + "/gone.kmb";
        const SYSTEMTIME date = rng() % 4 ? MakeDate(year, 12, 1 + rng() % 31)
                                          : MakeDate(year, 1 + rng() % 12, 1 + rng() % 28);
        const SYSTEMTIME now = rng() % 2 ? date : MakeDate(year - 1 + rng() % 3, 6, 1);

        std::string expected = InProcess(plain, date, now);
        const std::string text = InProcess(chip, date, now);
        for (unsigned k = 1; k <= 31; ++k)
            for (const std::string& name : NamesOn(plain, DaysOn(date, k)))
                if (notice[std::stoul(name.substr(1))] >= k)
                    expected += "\r\n" + Label(k) + "：" + name;
        EXPECT_EQ(expected, text) << "seed " << seed;
    }
}
