// The entry edit dialog's OK: the checks with their messages, focus and order, the store
// bit for bit, reopening what was stored, and 元に戻す.
#include "EntryEditFake.h"
#include "EntryUtil.h"

#include <cstring>
#include <functional>

namespace {
struct CheckCase {
    const char* name;
    CKmdDate entry;
    int focus; // 0: accepted
    const char* message;
};

const char* const NO_DAY_NO_WEEKDAY =
    "日、曜日共に指定されていません。\nどちらかを指定してください。";

const CheckCase CHECK_CASES[] = {
    {"", RawEntry(0x22, 29, 0, 0, 0, ""), IDC_NAME, "日付名称が空か、空白のみで指定されています。"},
    {"", RawEntry(0, 0, 0, 0, 0, ""), IDC_NAME, "日付名称が空か、空白のみで指定されています。"},
    {"", RawEntry(0x20, 29, 0, 0, 0, "\x81\x40 \x81\x40\t"), IDC_NAME,
     "日付名称が空か、空白のみで指定されています。"},
    {"", RawEntry(0x20, 29, 0, 0, 0, "\x81\x40x"), 0, nullptr},
    {"", RawEntry(0x20, 29, 0, 0, 0, "\x81"), 0, nullptr},
    {"day", RawEntry(0, 0, 0, 0, 0), IDC_MONTH, "月が指定されていません。"},
    {"day", RawEntry(0xD0, 5, 0, 0, 0), IDC_MONTH, "月が指定されていません。"},
    {"day", RawEntry(0x20, 0, 0, 0, 0), IDC_DAY, "日が指定されていません。"},
    {"day", RawEntry(0x20, 29, 0, 0, 0), 0, nullptr},
    {"day", RawEntry(0x20, 30, 0, 0, 0), IDC_DAY, "2月は、29日までしかありません。"},
    {"day", RawEntry(0x40, 31, 0, 0, 0), IDC_DAY, "4月は、30日までしかありません。"},
    {"day", RawEntry(0xC0, 31, 0, 0, 0), 0, nullptr},
    {"period", RawEntry(0, 0, 0, 0, 8), IDC_PERIOD_START_MONTH, "開始月が指定されていません。"},
    {"period", RawEntry(0xD4, 20, 10, 0, 8), IDC_PERIOD_START_MONTH,
     "開始月が指定されていません。"},
    {"period", RawEntry(0x30, 0, 0, 0, 8), IDC_PERIOD_START_DAY, "開始日が指定されていません。"},
    {"period", RawEntry(0x30, 20, 10, 0, 8), IDC_PERIOD_END_MONTH, "終了月が指定されていません。"},
    {"period", RawEntry(0x3E, 20, 10, 0, 8), IDC_PERIOD_END_MONTH, "終了月が指定されていません。"},
    {"period", RawEntry(0x34, 20, 0, 0, 8), IDC_PERIOD_END_DAY, "終了日が指定されていません。"},
    {"period", RawEntry(0x24, 30, 10, 0, 8), IDC_PERIOD_START_DAY,
     "2月は、29日までしかありません。"},
    {"period", RawEntry(0x34, 20, 31, 0, 8), IDC_PERIOD_END_DAY, "4月は、30日までしかありません。"},
    {"period", RawEntry(0x43, 10, 20, 0, 8), IDC_PERIOD_END_MONTH,
     "開始月よりも終了月が前になっています。"},
    {"period", RawEntry(0x44, 10, 9, 0, 8), IDC_PERIOD_END_DAY,
     "開始日よりも終了日が前になっています。"},
    {"period", RawEntry(0x44, 10, 10, 0, 8), 0, nullptr},
    {"period", RawEntry(0x2C, 29, 31, 0, 8), 0, nullptr},
    {"weekly", RawEntry(0, 0, 0, 0, 1), IDC_DAY, NO_DAY_NO_WEEKDAY},
    {"weekly", RawEntry(0, 0, 0, 1, 1), 0, nullptr},
    {"monthly", RawEntry(0, 0, 0, 0, 3), IDC_DAY, NO_DAY_NO_WEEKDAY},
    {"monthly", RawEntry(0, 0, 0, 0, 0x103), 0, nullptr},
    {"monthly", RawEntry(0x20, 0, 0, 2, 3), 0, nullptr},
    {"monthly", RawEntry(0, 31, 0, 0, 3), 0, nullptr}, // no month length for the day forms
    {"quarter", RawEntry(0, 0, 0, 0, 7), IDC_DAY, NO_DAY_NO_WEEKDAY},
};
} // namespace

TEST(EntryEditOk, ChecksInOrderWithMessageAndFocus) {
    for (const CheckCase& c : CHECK_CASES) {
        CFakeEntryView v;
        v.Open(c.entry);
        SCOPED_TRACE(std::string(c.name) + " type " + std::to_string(v.dialog.type) + " " +
                     std::to_string(v.dialog.month) + "/" + std::to_string(v.dialog.day));
        const CKmdDate before = v.dialog.entry;
        const bool ok = v.dialog.OnOk();
        EXPECT_EQ(c.focus == 0, ok);
        if (c.focus == 0) {
            EXPECT_TRUE(v.messages.empty());
            continue;
        }
        ASSERT_EQ(1u, v.messages.size());
        EXPECT_EQ(c.focus, v.messages[0].first);
        EXPECT_EQ(c.message, v.messages[0].second);
        unsigned char a[134], b[134];
        before.Pack(a, sizeof a);
        v.dialog.entry.Pack(b, sizeof b);
        EXPECT_EQ(0, std::memcmp(a, b, sizeof a)) << "a refused OK wrote to the entry";
    }
}

TEST(EntryEditOk, ADamagedTypeMakesOkDoNothing) {
    CFakeEntryView v;
    v.Open(RawEntry(0, 0, 0, 0, 0x0F, ""));
    EXPECT_FALSE(v.dialog.OnOk());
    EXPECT_TRUE(v.messages.empty());
}

TEST(EntryEditOk, TheNameIsStoredAsTyped) {
    CFakeEntryView v;
    v.Open(RawEntry(0x20, 29, 0, 0, 0));
    v.Type(IDC_NAME, "  \x81\x40給料日 ");
    ASSERT_TRUE(v.dialog.OnOk());
    EXPECT_STREQ("  \x81\x40給料日 ", v.dialog.entry.NameField());
}

namespace {
struct StoreCase {
    const char* what;
    CKmdDate start;
    std::function<void(CFakeEntryView&)> act;
    unsigned months, startDay, endDay, weekday, flags;
};

const StoreCase STORE_CASES[] = {
    {"day 3/15, holiday", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Type(1015, "3");
         v.Type(1016, "15");
         v.Click(1022);
     },
     0x30, 15, 0, 0, 0x0200},
    {"weekly Monday, Sunday shift later", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 1);
         v.Select(1020, 2);
         v.Click(1023);
         v.Click(1026);
     },
     0, 0, 0, 2, 0x2401},
    {"biweekly odd Wednesday", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 2);
         v.Click(1046);
         v.Select(1020, 4);
     },
     0, 0, 0, 4, 0x0012},
    {"monthly 25th, payday off Saturdays", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 3);
         v.Type(1016, "25");
         v.Click(1024);
         v.Click(1026);
         v.Click(1027); // payday: the direction goes back to 前
     },
     0, 25, 0, 0, 0x1803},
    {"monthly second Monday of January", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 3);
         v.Select(1020, 2);
         v.Select(1052, 1);
         v.Type(1015, "1");
     },
     0x10, 0, 0, 2, 0x0043},
    {"monthly last Friday: 最終 is DF_LAST with week 0", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 3);
         v.Select(1020, 6);
         v.Select(1052, 5);
     },
     0, 0, 0, 6, 0x0103},
    {"quarter last day: DF_LAST with weekday 0", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 5);
         v.Click(1051);
     },
     0, 0, 0, 0, 0x0105},
    {"period 3/20-4/10", RawEntry(0, 0, 0, 0, 0),
     [](CFakeEntryView& v) {
         v.Select(1014, 8);
         v.Type(1028, "3");
         v.Type(1029, "20");
         v.Type(1030, "4");
         v.Type(1031, "10");
         v.Click(1022);
     },
     0x34, 20, 10, 0, 0x0208},
    {"an edit keeps nothing of the old options", RawEntry(0x3C, 5, 9, 0xA6, 0x3FF4),
     [](CFakeEntryView& v) {
         v.Select(1014, 1);
         v.Select(1020, 3);
         v.Click(1021);
     },
     0, 0, 0, 0xA3, 0x0001},
    {"a payday entry loses its later direction", RawEntry(0, 0, 0, 4, 0x3412),
     [](CFakeEntryView&) {}, 0, 0, 0, 4, 0x1412},
};
} // namespace

TEST(EntryEditOk, StoresFieldsAndAFlagsWordBuiltFromZero) {
    for (const StoreCase& c : STORE_CASES) {
        SCOPED_TRACE(c.what);
        CFakeEntryView v;
        v.Open(c.start);
        v.Type(IDC_NAME, "name");
        c.act(v);
        ASSERT_TRUE(v.dialog.OnOk()) << (v.messages.empty() ? "" : v.messages[0].second);
        unsigned char image[134];
        v.dialog.entry.Pack(image, sizeof image);
        EXPECT_EQ(c.months, image[0]);
        EXPECT_EQ(c.startDay, image[1]);
        EXPECT_EQ(c.endDay, image[2]);
        EXPECT_EQ(c.weekday, image[3]);
        EXPECT_EQ(c.flags, image[4] | image[5] << 8u);
        EXPECT_STREQ("name", v.dialog.entry.NameField());

        // Reopening what was stored shows the same working values.
        CFakeEntryView again;
        again.Open(v.dialog.entry);
        const CEntryEditDialog &a = v.dialog, &b = again.dialog;
        EXPECT_EQ(a.nameText, b.nameText);
        EXPECT_EQ(a.type, b.type);
        EXPECT_EQ(a.odd, b.odd);
        EXPECT_EQ(a.month, b.month);
        EXPECT_EQ(a.day, b.day);
        EXPECT_EQ(a.lastDay, b.lastDay);
        EXPECT_EQ(a.weekday, b.weekday);
        EXPECT_EQ(a.week, b.week);
        EXPECT_EQ(a.holiday, b.holiday);
        EXPECT_EQ(a.direction, b.direction);
        EXPECT_EQ(a.payday, b.payday);
        EXPECT_EQ(a.periodStartMonth, b.periodStartMonth);
        EXPECT_EQ(a.periodStartDay, b.periodStartDay);
        EXPECT_EQ(a.periodEndMonth, b.periodEndMonth);
        EXPECT_EQ(a.periodEndDay, b.periodEndDay);
    }
}

TEST(EntryEditRevert, RestoresEveryControlAndDisablesItself) {
    for (const CKmdDate& start :
         {RawEntry(0, 25, 0, 0, 0x1803), RawEntry(0x10, 0, 0, 2, 0x0043),
          RawEntry(0x34, 20, 10, 0, 0x0208), RawEntry(0, 0, 0, 3, 0x000B)}) {
        CFakeEntryView v;
        v.Open(start);
        const std::string opened = v.Describe(AllIds());
        v.Type(IDC_NAME, "other");
        v.Select(IDC_TYPE, 8);
        v.Type(IDC_PERIOD_START_MONTH, "5");
        v.Click(IDC_HOL_HOLIDAY);
        v.Select(IDC_TYPE, 4);
        v.Select(IDC_WEEKDAY, 5);
        v.Click(IDC_ODD);
        v.Click(IDC_HOL_SHIFT_SAT);
        v.Click(IDC_PAYDAY);
        ASSERT_TRUE(v.controls[IDC_REVERT].enabled);
        v.dialog.Revert();
        EXPECT_EQ(opened, v.Describe(AllIds()));
        EXPECT_FALSE(v.dialog.changed);
        EXPECT_FALSE(v.controls[IDC_REVERT].enabled);
    }
}
