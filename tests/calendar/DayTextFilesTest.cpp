// The generator over real data files: order, placeholders, holidays across files, names.
#include "calendar/DayText.h"

#include "KmbBuilder.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "data/KmdDateFlags.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {
std::string Generate(const std::string& chip, const SYSTEMTIME& date, int* length = nullptr) {
    const std::string s = MakeDayText(chip.c_str(), date);
    if (length)
        *length = static_cast<int>(s.size());
    return s;
}

KmbRecord Monthly(unsigned day, const std::string& name, unsigned extra = 0) {
    return {0, day, 0, 0, DT_MONTHLY | extra, name};
}

// Tuesday 2 March 2004, the worked example of the day text.
const char kHeader2004[] = "今日は、2004/03/02 火曜日です。\n";

class MemoFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshDir("memo");
        const SYSTEMTIME now = MakeDate(2026, 6, 1); // the holiday table's year
        SetClockOverride(&now);
    }
    void TearDown() override { SetClockOverride(nullptr); }
    std::string File(const std::string& name, const std::vector<KmbRecord>& records) {
        const std::string path = dir + "/" + name;
        WriteBytes(path, KmbBytes(records));
        return path;
    }
    std::string dir;
};
} // namespace

TEST_F(MemoFiles, NamesInFileOrderTwiceForTwoLines) {
    const std::string a = File("a.kmb", {Monthly(2, "A"), Monthly(3, "no"), Monthly(2, "B")});
    const std::string c = File("c.kmb", {Monthly(2, "C")});
    int n = 0;
    const std::string text = Generate(a + "\r\n" + c + "\n" + a, MakeDate(2004, 3, 2), &n);
    EXPECT_EQ(std::string(kHeader2004) + "\r\nA\r\nB\r\nC\r\nA\r\nB", text);
    EXPECT_EQ(static_cast<int>(text.size()), n);
    EXPECT_EQ("今日は、2004/03/04 木曜日です。\n\r\nなし", Generate(a, MakeDate(2004, 3, 4)));
}

TEST_F(MemoFiles, YearPlaceholderPicksTheFile) {
    File("h-2004.kmb", {Monthly(2, "2004年")});
    File("h-2027.kmb", {Monthly(2, "2027年")});
    EXPECT_EQ(std::string(kHeader2004) + "\r\n2004年",
              Generate(dir + "/h-%year%.kmb", MakeDate(2004, 3, 2)));
    EXPECT_EQ(std::string(kHeader2004) + "\r\n2004年",
              Generate(dir + "/h-%YEAR%.kmb", MakeDate(2004, 3, 2)));
    EXPECT_EQ(std::string(kHeader2004) + "\r\nなし",
              Generate(dir + "/h-%Year%.kmb", MakeDate(2004, 3, 2)));
    EXPECT_NE(std::string::npos,
              Generate(dir + "/h-%year%.kmb", MakeDate(2027, 3, 2)).find("2027年"));
}

TEST_F(MemoFiles, MissingForeignAndOverLongLinesAddNothing) {
    const std::string a = File("a.kmb", {Monthly(2, "A")});
    std::string foreign = KmbBytes({Monthly(2, "X")});
    foreign[0] = 1; // version 0x20001
    WriteBytes(dir + "/f.kmb", foreign);
    const std::string longLine = dir + "/" + std::string(300, 'l') + "/../a.kmb";
    EXPECT_EQ(std::string(kHeader2004) + "\r\nA",
              Generate(dir + "/missing.kmb\n" + dir + "/f.kmb\n" + longLine + "\n" + a,
                       MakeDate(2004, 3, 2)));
    EXPECT_EQ(std::string(kHeader2004) + "\r\nなし",
              Generate(dir + "/missing.kmb\n" + dir + "/f.kmb", MakeDate(2004, 3, 2)));
}

TEST_F(MemoFiles, EmptyNamesAreSkippedAndFullNamesKept) {
    const std::string name127(127, 'n');
    const std::string a = File("a.kmb", {Monthly(2, ""), Monthly(2, name127), Monthly(2, "")});
    EXPECT_EQ(std::string(kHeader2004) + "\r\n" + name127, Generate(a, MakeDate(2004, 3, 2)));
    const std::string empty = File("e.kmb", {Monthly(2, "")});
    EXPECT_EQ(std::string(kHeader2004) + "\r\nなし", Generate(empty, MakeDate(2004, 3, 2)));
    // A foreign record with a longer name: never more than the name field's bytes.
    const std::string longName = File("l.kmb", {Monthly(2, std::string(200, 'x'))});
    const std::string text = Generate(longName, MakeDate(2004, 3, 2));
    EXPECT_LE(text.size(), std::string(kHeader2004).size() + 2 + 128);
}

TEST_F(MemoFiles, HolidaysOfOneFileMoveEntriesOfAnother) {
    // 25 March 2026 is a Wednesday, declared a holiday in the second file.
    const std::string pay = File("pay.kmb", {Monthly(25, "給料日", DF_SHIFT_SUN_HOL)});
    const std::string hol = File("hol.kmb", {{3 << 4, 25, 0, 0, DT_DAY | DF_HOLIDAY, "休み"}});
    const std::string chip = pay + "\r\n" + hol;
    EXPECT_EQ("今日は、2026/03/24 火曜日です。\n\r\n給料日", Generate(chip, MakeDate(2026, 3, 24)));
    EXPECT_EQ("今日は、2026/03/25 水曜日です。\n\r\n休み", Generate(chip, MakeDate(2026, 3, 25)));
    // Without the second file the payday stays on the 25th.
    EXPECT_EQ("今日は、2026/03/25 水曜日です。\n\r\n給料日", Generate(pay, MakeDate(2026, 3, 25)));
}

TEST_F(MemoFiles, TextBlockGrowsAcrossItsSteps) {
    // The header takes 32 bytes; each name adds 2 + its length.
    ASSERT_EQ(32u, std::string(kHeader2004).size());
    for (unsigned total : {126u, 127u, 128u, 129u, 255u, 256u, 383u, 384u, 385u}) {
        std::vector<KmbRecord> records;
        std::string expected = kHeader2004;
        while (expected.size() < total) {
            // Fill exactly: never leave a rest of 1 or 2 bytes, which no name could take.
            const std::size_t room = total - expected.size() - 2;
            const std::size_t len = room <= 100 ? room : std::min<std::size_t>(100, room - 3);
            const std::string name(len, static_cast<char>('a' + records.size()));
            records.push_back(Monthly(2, name));
            expected += "\r\n" + name;
        }
        ASSERT_EQ(total, expected.size());
        const std::string f = File("g.kmb", records);
        int n = 0;
        EXPECT_EQ(expected, Generate(f, MakeDate(2004, 3, 2), &n)) << total;
        EXPECT_EQ(static_cast<int>(expected.size()), n);
    }
}
