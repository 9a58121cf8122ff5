// The day text's fixed texts, with no data file involved.
#include "calendar/DayText.h"

#include "calendar/Calendar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
std::string Generate(const char* chip, const SYSTEMTIME& date, int* length = nullptr) {
    const std::string text = MakeDayText(chip, date);
    if (length)
        *length = static_cast<int>(text.size());
    return text;
}
} // namespace

TEST(MemoText, FixedTextsAreCodePage932Bytes) {
    int n = 0;
    // Chip text made only of line ends and tabs: the header and "none".
    const std::string none = Generate("\r\n\t\n\r", MakeDate(2004, 3, 2), &n);
    EXPECT_EQ("今日は、2004/03/02 火曜日です。\n\r\nなし", none);
    EXPECT_EQ(static_cast<int>(none.size()), n);
    // 今 = 8D A1, な = 82 C8, し = 82 B5: the literals really are code page 932.
    EXPECT_EQ("\x8D\xA1", none.substr(0, 2));
    EXPECT_EQ("\n\r\n\x82\xC8\x82\xB5", none.substr(none.size() - 7));
    // Null and empty chip texts: the error text alone, 28 bytes.
    const std::string err = Generate(nullptr, MakeDate(2004, 3, 2), &n);
    EXPECT_EQ("データファイル読み込みエラー", err);
    EXPECT_EQ(28, n);
    EXPECT_EQ(28u, err.size());
    EXPECT_EQ(err, Generate("", MakeDate(2004, 3, 2)));
}

TEST(MemoText, HeaderWeekdaysAndZeroPadding) {
    const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    // 1-7 March 2026 run from Sunday to Saturday.
    for (unsigned d = 1; d <= 7; ++d) {
        const SYSTEMTIME date = MakeDate(2026, 3, d);
        ASSERT_EQ(d - 1, date.wDayOfWeek);
        EXPECT_EQ(std::string("今日は、2026/03/0") + char('0' + d) + " " + names[d - 1] +
                      "曜日です。\n\r\nなし",
                  Generate("\n", date));
    }
    SYSTEMTIME early = MakeDate(2026, 11, 30);
    early.wYear = 987;
    early.wDayOfWeek = 2; // the date's own weekday is trusted
    EXPECT_EQ("今日は、0987/11/30 火曜日です。\n\r\nなし", Generate("\t", early));
    // A weekday out of range is not read past the table.
    SYSTEMTIME bad = MakeDate(2026, 11, 30);
    bad.wDayOfWeek = 9;
    EXPECT_EQ("今日は、2026/11/30 月曜日です。\n\r\nなし", Generate("\t", bad));
}

TEST(NextDataFileName, LinesPlaceholdersAndPosition) {
    const char* chip = "\r\n\n\t\ta/%year%.kmb\r  b%YEAR%%year%\n\n%Year%.kmb\r\nlast%year%";
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    ASSERT_TRUE(NextDataFileName(pos, line, 2004, chip));
    EXPECT_STREQ("a/2004.kmb", line);
    ASSERT_TRUE(NextDataFileName(pos, line, 2004, chip));
    EXPECT_STREQ("  b20042004", line); // leading spaces stay
    ASSERT_TRUE(NextDataFileName(pos, line, 2004, chip));
    EXPECT_STREQ("%Year%.kmb", line); // no other mix of cases
    ASSERT_TRUE(NextDataFileName(pos, line, 2004, chip));
    EXPECT_STREQ("last2004", line);
    std::memcpy(line, "untouched", 10);
    EXPECT_FALSE(NextDataFileName(pos, line, 2004, chip));
    EXPECT_STREQ("untouched", line);
    // Tabs inside the line and trailing blanks are part of the path; a half placeholder too.
    pos = 0;
    ASSERT_TRUE(NextDataFileName(pos, line, 2027, "x\ty %year \n"));
    EXPECT_STREQ("x\ty %year ", line);
    // Double-byte names pass whole (表 is 95 5C).
    pos = 0;
    ASSERT_TRUE(NextDataFileName(pos, line, 2027, "予定表%year%.kmb"));
    EXPECT_EQ(std::string("予定表2027.kmb"), line);
}

TEST(NextDataFileName, OverLongLinesAreSkippedWhole) {
    const std::string fits(259, 'f');
    const std::string tooLong(260, 'g');
    // 255 bytes and a placeholder make 259: it fits; 256 and a placeholder do not.
    const std::string yearFits = std::string(255, 'h') + "%year%";
    const std::string yearTooLong = std::string(256, 'i') + "%YEAR%";
    const std::string chip =
        tooLong + "\r\n" + fits + "\n" + yearTooLong + "\n" + yearFits + "\r\n" + tooLong;
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE + 8];
    std::memset(line, 'Z', sizeof line);
    ASSERT_TRUE(NextDataFileName(pos, line, 2026, chip.c_str()));
    EXPECT_EQ(fits, line);
    EXPECT_EQ('Z', line[MEMO_LINE_SIZE]); // nothing written past the buffer
    ASSERT_TRUE(NextDataFileName(pos, line, 2026, chip.c_str()));
    EXPECT_EQ(std::string(255, 'h') + "2026", line);
    EXPECT_FALSE(NextDataFileName(pos, line, 2026, chip.c_str()));
    EXPECT_EQ('Z', line[MEMO_LINE_SIZE]);
    EXPECT_EQ(chip.size(), pos);
}
