// The editor's list columns for one entry, case by case.
#include "calendar/RowText.h"
#include "EntryUtil.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr unsigned W2 = 2 << DF_WEEK_SHIFT;

struct RowCase {
    unsigned months, startDay, endDay, weekday, flags;
    int column;
    const char* text;
};

const RowCase kCases[] = {
    // 1: type text, empty for 9-15.
    {0, 0, 0, 0, DT_DAY, 1, "当日"},
    {0, 0, 0, 0, DT_WEEKLY, 1, "毎週"},
    {0, 0, 0, 0, DT_BIWEEKLY, 1, "隔週"},
    {0, 0, 0, 0, DT_MONTHLY, 1, "毎月"},
    {0, 0, 0, 0, DT_BIMONTHLY, 1, "隔月"},
    {0, 0, 0, 0, DT_QUARTER1, 1, "四半期1"},
    {0, 0, 0, 0, DT_QUARTER2, 1, "四半期2"},
    {0, 0, 0, 0, DT_QUARTER3, 1, "四半期3"},
    {0, 0, 0, 0, DT_PERIOD, 1, "期間"},
    {0, 0, 0, 0, 9, 1, ""},
    {0, 0, 0, 0, 15, 1, ""},
    // 2: odd/even for the two alternating types only.
    {0, 0, 0, 0, DT_BIWEEKLY | DF_ODD, 2, "奇"},
    {0, 0, 0, 0, DT_BIWEEKLY, 2, "偶"},
    {0, 0, 0, 0, DT_BIMONTHLY | DF_ODD, 2, "奇"},
    {0, 0, 0, 0, DT_BIMONTHLY, 2, "偶"},
    {0, 0, 0, 0, DT_MONTHLY | DF_ODD, 2, "－"},
    {0, 0, 0, 0, DT_PERIOD | DF_ODD, 2, "－"},
    // 3: holiday mark for every type.
    {0, 0, 0, 0, DT_DAY | DF_HOLIDAY, 3, "○"},
    {0, 0, 0, 0, 12 | DF_HOLIDAY, 3, "○"},
    {0, 0, 0, 0, DT_PERIOD, 3, "　"},
    // 4: shift kind, in the order sun/hol, payday, sat/sun/hol; none for a period.
    {0, 0, 0, 0, DT_MONTHLY, 4, "無"},
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL, 4, "祝祭日"},
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_PAYDAY_SHIFT | DF_SHIFT_SAT_SUN_HOL, 4,
     "祝祭日"},
    {0, 0, 0, 0, DT_MONTHLY | DF_PAYDAY_SHIFT, 4, "給料日"},
    {0, 0, 0, 0, DT_MONTHLY | DF_PAYDAY_SHIFT | DF_SHIFT_SAT_SUN_HOL, 4, "給料日＋土"},
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL, 4, "土祝祭日"},
    {0, 0, 0, 0, DT_MONTHLY | DF_HOLIDAY | DF_SHIFT_LATER, 4, "無"},
    {0, 0, 0, 0, DT_PERIOD | DF_SHIFT_SUN_HOL, 4, "－"},
    {0, 0, 0, 0, 9 | DF_SHIFT_SAT_SUN_HOL, 4, "土祝祭日"},
    // 5: direction only for the two ordinary shifts.
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL, 5, "前シフト"},
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER, 5, "先シフト"},
    {0, 0, 0, 0, DT_MONTHLY | DF_SHIFT_SUN_HOL | DF_PAYDAY_SHIFT | DF_SHIFT_LATER, 5, "先シフト"},
    {0, 0, 0, 0, DT_WEEKLY | DF_SHIFT_SAT_SUN_HOL, 5, "前シフト"},
    {0, 0, 0, 0, DT_WEEKLY | DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER, 5, "先シフト"},
    {0, 0, 0, 0, DT_WEEKLY | DF_SHIFT_SAT_SUN_HOL | DF_PAYDAY_SHIFT | DF_SHIFT_LATER, 5, "－"},
    {0, 0, 0, 0, DT_WEEKLY | DF_PAYDAY_SHIFT, 5, "－"},
    {0, 0, 0, 0, DT_WEEKLY | DF_SHIFT_LATER, 5, "－"},
    {0, 0, 0, 0, DT_PERIOD | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER, 5, "－"},
    // 6: last-day mark for DT_MONTHLY only.
    {0, 0, 0, 0, DT_MONTHLY | DF_LAST, 6, "○"},
    {0, 0, 0, 0, DT_MONTHLY, 6, "　"},
    {0, 0, 0, 0, DT_BIMONTHLY | DF_LAST, 6, "－"},
    {0, 0, 0, 0, DT_QUARTER1 | DF_LAST, 6, "－"},
    // 7-10: the numbers, "－" for 0.
    {0x00, 0, 0, 0, DT_PERIOD, 7, "－"},
    {0xC5, 0, 0, 0, DT_PERIOD, 7, "12"},
    {0xF0, 0, 0, 0, DT_DAY, 7, "15"},
    {0x00, 0, 0, 0, DT_PERIOD, 8, "－"},
    {0x00, 31, 0, 0, DT_PERIOD, 8, "31"},
    {0x00, 255, 0, 0, DT_PERIOD, 8, "255"},
    {0xC0, 0, 0, 0, DT_PERIOD, 9, "－"},
    {0xC5, 0, 0, 0, DT_PERIOD, 9, "5"},
    {0x00, 0, 0, 0, DT_PERIOD, 10, "－"},
    {0x00, 0, 9, 0, DT_PERIOD, 10, "9"},
    // 11: week of month for types 3-7.
    {0, 0, 0, 2, DT_MONTHLY | W2, 11, "2"},
    {0, 0, 0, 2, DT_QUARTER3 | (5 << DF_WEEK_SHIFT), 11, "5"},
    {0, 0, 0, 2, DT_BIMONTHLY | (7 << DF_WEEK_SHIFT), 11, "7"},
    {0, 0, 0, 2, DT_MONTHLY, 11, "－"},
    {0, 0, 0, 2, DT_BIWEEKLY | W2, 11, "－"},
    {0, 0, 0, 2, DT_PERIOD | W2, 11, "－"},
    {0, 0, 0, 2, DT_DAY | W2, 11, "－"},
    // 12: weekday by the low nibble.
    {0, 0, 0, 0, DT_WEEKLY, 12, "－"},
    {0, 0, 0, 1, DT_WEEKLY, 12, "日"},
    {0, 0, 0, 2, DT_WEEKLY, 12, "月"},
    {0, 0, 0, 3, DT_WEEKLY, 12, "火"},
    {0, 0, 0, 4, DT_WEEKLY, 12, "水"},
    {0, 0, 0, 5, DT_WEEKLY, 12, "木"},
    {0, 0, 0, 6, DT_WEEKLY, 12, "金"},
    {0, 0, 0, 7, DT_WEEKLY, 12, "土"},
    {0, 0, 0, 8, DT_WEEKLY, 12, "－"},
    {0, 0, 0, 0x0F, DT_WEEKLY, 12, "－"},
    {0, 0, 0, 0x32, DT_WEEKLY, 12, "月"},
    // Outside the columns.
    {0, 0, 0, 0, DT_DAY, -1, ""},
    {0, 0, 0, 0, DT_DAY, 13, ""},
};
} // namespace

TEST(RowText, ColumnTexts) {
    for (const RowCase& c : kCases) {
        const CKmdDate e = RawEntry(c.months, c.startDay, c.endDay, c.weekday, c.flags, "名前");
        EXPECT_EQ(c.text, RowColumnText(e, c.column))
            << "column " << c.column << ", flags 0x" << std::hex << c.flags << ", months 0x"
            << c.months << ", weekday 0x" << c.weekday;
    }
}

TEST(RowText, NameColumnStopsAtTheNulOrTheFieldsEnd) {
    EXPECT_EQ("給料日", RowColumnText(RawEntry(0, 25, 0, 0, DT_MONTHLY, "給料日"), 0));
    EXPECT_EQ("", RowColumnText(CKmdDate(), 0));
    // A pasted image may fill all 128 bytes: the text never runs past the field.
    EXPECT_EQ(std::string(128, 'x'),
              RowColumnText(RawEntry(0, 0, 0, 0, 0, std::string(128, 'x')), 0));
}

TEST(RowText, Headings) {
    const char* const headings[] = {"日付名称",   "種別",   "偶/奇",  "休日",   "シフト種別",
                                    "シフト方向", "最終",   "開始月", "開始日", "終了月",
                                    "終了日",     "第ｎ曜", "曜日"};
    ASSERT_EQ(13, ROW_COLUMN_COUNT);
    for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
        EXPECT_STREQ(headings[c], RowColumnHeading(c));
    EXPECT_STREQ("", RowColumnHeading(-1));
    EXPECT_STREQ("", RowColumnHeading(13));
}
