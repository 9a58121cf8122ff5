// Opening the entry edit dialog on an entry of each type: every group's controls as the
// type and the entry's fields call for them.
#include "EntryEditFake.h"
#include "EntryUtil.h"

namespace {
struct OpenCase {
    const char* what;
    CKmdDate entry;
    int typeItem;
    const char* odd;
    const char* date;
    const char* weekday;
    const char* holiday;
};

const char* const DATE_OFF = "-1032 -1015= -1036 -1050 -1051 -1016= -1037";
const char* const ODD_OFF = "-1048 -1046 -1047";
const char* const NO_WEEKDAY = "-1033 -1020#0 -1052#-1";
const char* const WEEKDAY_FREE = "+1033 +1020#0 -1052#-1";
const char* const HOL_NONE = "+1034 +1021* +1022 +1023 +1024 -1044 -1025 -1026 -1027 -1038";
const char* const PERIOD_OFF = "-1035 -1028= -1039 -1029= -1040 -1045 -1030= -1041 -1031= -1042";

const OpenCase OPEN_CASES[] = {
    {"day 2/29, holiday", RawEntry(0x20, 29, 0, 0, 0x0200), 0, ODD_OFF,
     "+1032 +1015=2 +1036 +1050* -1051 +1016=29 +1037", NO_WEEKDAY,
     "+1034 +1021 +1022* +1023 +1024 -1044 -1025 -1026 -1027 -1038"},
    {"day with a payday shift alone", RawEntry(0x10, 1, 0, 0, 0x1000), 0, ODD_OFF,
     "+1032 +1015=1 +1036 +1050* -1051 +1016=1 +1037", NO_WEEKDAY,
     "+1034 +1021 +1022 +1023* +1024 -1044 -1025 -1026 +1027* +1038"},
    {"weekly Tuesday, Saturday shift later (stray month and day)", RawEntry(0x50, 7, 0, 3, 0x2801),
     1, ODD_OFF, DATE_OFF, "+1033 +1020#3 -1052#-1",
     "+1034 +1021 +1022 +1023 +1024* +1044 +1025 +1026* +1027 +1038"},
    {"biweekly odd Wednesday, payday shift later", RawEntry(0, 0, 0, 4, 0x3412), 2,
     "+1048 +1046* +1047", DATE_OFF, "+1033 +1020#4 -1052#-1",
     "+1034 +1021 +1022 +1023* +1024 -1044 -1025 -1026 +1027* +1038"},
    {"monthly 25th, payday", RawEntry(0, 25, 0, 0, 0x1803), 3, ODD_OFF,
     "+1032 -1015= -1036 +1050* -1051 +1016=25 +1037", WEEKDAY_FREE,
     "+1034 +1021 +1022 +1023 +1024* -1044 -1025 -1026 +1027* +1038"},
    {"monthly second Monday of January", RawEntry(0x10, 0, 0, 2, 0x0043), 3, ODD_OFF,
     "+1032 +1015=1 +1036 -1050 -1051 -1016= -1037", "+1033 +1020#2 +1052#1", HOL_NONE},
    {"monthly last day", RawEntry(0, 0, 0, 0, 0x0103), 3, ODD_OFF,
     "+1032 +1015= +1036 +1050 +1051* -1016= -1037", WEEKDAY_FREE, HOL_NONE},
    {"monthly, nothing given", RawEntry(0, 0, 0, 0, 0x0003), 3, ODD_OFF,
     "+1032 +1015= +1036 +1050* +1051 +1016= +1037", WEEKDAY_FREE, HOL_NONE},
    {"bimonthly odd 10th", RawEntry(0, 10, 0, 0, 0x0014), 4, "+1048 +1046* +1047",
     "+1032 -1015= -1036 +1050* -1051 +1016=10 +1037", WEEKDAY_FREE, HOL_NONE},
    {"bimonthly even, nothing given", RawEntry(0, 0, 0, 0, 0x0004), 4, "+1048 +1046 +1047*",
     "+1032 -1015= -1036 +1050* +1051 +1016= +1037", WEEKDAY_FREE, HOL_NONE},
    {"quarter 1, last Friday, month 4", RawEntry(0x40, 0, 0, 6, 0x0105), 5, ODD_OFF,
     "+1032 +1015=4 +1036 -1050 -1051 -1016= -1037", "+1033 +1020#6 +1052#5", HOL_NONE},
    {"quarter 2, nothing given", RawEntry(0, 0, 0, 0, 0x0006), 6, ODD_OFF,
     "+1032 -1015= -1036 +1050* +1051 +1016= +1037", WEEKDAY_FREE, HOL_NONE},
    {"quarter 3, last day", RawEntry(0, 0, 0, 0, 0x0107), 7, ODD_OFF,
     "+1032 -1015= -1036 +1050 +1051* -1016= -1037", WEEKDAY_FREE, HOL_NONE},
    {"period, Sunday shift later is dropped", RawEntry(0x34, 20, 10, 0, 0x2408), 8, ODD_OFF,
     DATE_OFF, NO_WEEKDAY, "+1034 +1021* +1022 -1023 -1024 -1044 -1025 -1026 -1027 -1038"},
    {"period, holiday", RawEntry(0x34, 20, 10, 0, 0x0208), 8, ODD_OFF, DATE_OFF, NO_WEEKDAY,
     "+1034 +1021 +1022* -1023 -1024 -1044 -1025 -1026 -1027 -1038"},
    {"type 9 from a damaged file", RawEntry(0x34, 20, 10, 3, 0x0209), -1, "+1048 +1046 +1047",
     "+1032 +1015= +1036 +1050 +1051 +1016= +1037", "+1033 +1020#-1 +1052#-1",
     "+1034 +1021 +1022 +1023 +1024 +1044 +1025 +1026 +1027 +1038"},
};
} // namespace

TEST(EntryEditOpen, EveryGroupFollowsTheTypeAndTheEntry) {
    for (const OpenCase& c : OPEN_CASES) {
        SCOPED_TRACE(c.what);
        CFakeEntryView v;
        v.Open(c.entry);
        EXPECT_EQ(c.typeItem, v.controls[IDC_TYPE].selection);
        EXPECT_EQ("x", v.controls[IDC_NAME].text);
        EXPECT_FALSE(v.controls[IDC_REVERT].enabled);
        EXPECT_FALSE(v.dialog.changed);
        EXPECT_EQ(c.odd, v.Describe(ODD_IDS));
        EXPECT_EQ(c.date, v.Describe(DATE_IDS));
        EXPECT_EQ(c.weekday, v.Describe(WEEKDAY_IDS));
        EXPECT_EQ(c.holiday, v.Describe(HOLIDAY_IDS));
        if (c.typeItem == 8) {
            EXPECT_EQ("+1035 +1028=3 +1039 +1029=20 +1040 +1045 +1030=4 +1041 +1031=10 +1042",
                      v.Describe(PERIOD_IDS));
        } else if (c.typeItem >= 0) {
            EXPECT_EQ(PERIOD_OFF, v.Describe(PERIOD_IDS));
        }
        EXPECT_EQ(0, v.beeps);
    }
}

TEST(EntryEditOpen, ChoosingATypeForADamagedTypeAppliesIt) {
    CFakeEntryView v;
    v.Open(RawEntry(0, 0, 0, 0, 0x000C));
    EXPECT_EQ(12, v.dialog.type);
    v.Select(IDC_TYPE, 1);
    EXPECT_TRUE(v.controls[IDC_REVERT].enabled);
    EXPECT_EQ(DATE_OFF, v.Describe(DATE_IDS));
    EXPECT_EQ("+1033 +1020#0 -1052#-1", v.Describe(WEEKDAY_IDS));
}
