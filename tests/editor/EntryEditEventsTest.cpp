// The entry edit dialog's control events, each from a freshly opened entry: the groups they
// switch, the values they keep, and the refusals with their beeps.
#include "EntryEditFake.h"
#include "EntryUtil.h"

#include <functional>

namespace {
CKmdDate OfType(unsigned type) {
    return RawEntry(0, 0, 0, 0, type);
}

struct EventCase {
    const char* what;
    CKmdDate start;
    std::function<void(CFakeEntryView&)> act;
    const std::vector<int>* group;
    const char* expected;
    int beeps;
};

const char* const MONTHLY_FREE = "+1032 +1015= +1036 +1050* +1051 +1016= +1037";
const char* const MONTHLY_DAY5 = "+1032 -1015= -1036 +1050* -1051 +1016=5 +1037";
const char* const LAST_CHOSEN = "+1032 -1015= -1036 +1050 +1051* -1016= -1037";
const char* const DAY_FORMS_FREE = "+1032 -1015= -1036 +1050* +1051 +1016= +1037";
const char* const WEEKDAY_OFF = "-1033 -1020#0 -1052#-1";
const char* const WEEKDAY_FREE = "+1033 +1020#0 -1052#-1";

const EventCase EVENT_CASES[] = {
    {"a new type applies its groups", OfType(0), [](CFakeEntryView& v) { v.Select(1014, 3); },
     &DATE_IDS, MONTHLY_FREE, 0},
    {"month 1 then a 3 typed after it", OfType(0),
     [](CFakeEntryView& v) {
         v.Type(1015, "1");
         v.Type(1015, "13");
     },
     &DATE_IDS, "+1032 +1015=1 +1036 +1050* -1051 +1016= +1037", 1},
    {"55 pasted into an empty month", OfType(0), [](CFakeEntryView& v) { v.Type(1015, "55"); },
     &DATE_IDS, "+1032 +1015=0 +1036 +1050* -1051 +1016= +1037", 1},
    {"day 32 refused", OfType(0),
     [](CFakeEntryView& v) {
         v.Type(1016, "3");
         v.Type(1016, "32");
     },
     &DATE_IDS, "+1032 +1015= +1036 +1050* -1051 +1016=3 +1037", 1},
    {"monthly: a day takes the weekday away", OfType(3),
     [](CFakeEntryView& v) { v.Type(1016, "5"); }, &WEEKDAY_IDS, WEEKDAY_OFF, 0},
    {"monthly: a day leaves the day form", OfType(3), [](CFakeEntryView& v) { v.Type(1016, "5"); },
     &DATE_IDS, MONTHLY_DAY5, 0},
    {"monthly: clearing the day offers both again", OfType(3),
     [](CFakeEntryView& v) {
         v.Type(1016, "5");
         v.Type(1016, "");
     },
     &WEEKDAY_IDS, WEEKDAY_FREE, 0},
    {"monthly: a weekday takes day and last day, keeps the month", OfType(3),
     [](CFakeEntryView& v) { v.Select(1020, 2); }, &DATE_IDS,
     "+1032 +1015= +1036 -1050 -1051 -1016= -1037", 0},
    {"monthly: a weekday offers the week, first week chosen", OfType(3),
     [](CFakeEntryView& v) { v.Select(1020, 2); }, &WEEKDAY_IDS, "+1033 +1020#2 +1052#0", 0},
    {"monthly: the empty weekday again clears the month", OfType(3),
     [](CFakeEntryView& v) {
         v.Select(1020, 2);
         v.Type(1015, "1");
         v.Select(1020, 0);
     },
     &DATE_IDS, MONTHLY_FREE, 0},
    {"monthly: a month takes day and last day away", OfType(3),
     [](CFakeEntryView& v) { v.Type(1015, "4"); }, &DATE_IDS,
     "+1032 +1015=4 +1036 -1050 -1051 -1016= -1037", 0},
    {"monthly: clearing the month gives them back", OfType(3),
     [](CFakeEntryView& v) {
         v.Type(1015, "4");
         v.Type(1015, "");
     },
     &DATE_IDS, MONTHLY_FREE, 0},
    {"monthly: last day", OfType(3), [](CFakeEntryView& v) { v.Click(1051); }, &DATE_IDS,
     LAST_CHOSEN, 0},
    {"monthly: last day takes the weekday away", OfType(3),
     [](CFakeEntryView& v) { v.Click(1051); }, &WEEKDAY_IDS, WEEKDAY_OFF, 0},
    {"monthly: back to the day number", OfType(3),
     [](CFakeEntryView& v) {
         v.Click(1051);
         v.Click(1050);
     },
     &WEEKDAY_IDS, WEEKDAY_FREE, 0},
    {"bimonthly: a weekday disables the whole date group", OfType(4),
     [](CFakeEntryView& v) { v.Select(1020, 3); }, &DATE_IDS,
     "-1032 -1015= -1036 -1050 -1051 -1016= -1037", 0},
    {"bimonthly: the empty weekday again", OfType(4),
     [](CFakeEntryView& v) {
         v.Select(1020, 3);
         v.Select(1020, 0);
     },
     &DATE_IDS, DAY_FORMS_FREE, 0},
    {"quarter: last day", OfType(5), [](CFakeEntryView& v) { v.Click(1051); }, &DATE_IDS,
     LAST_CHOSEN, 0},
    {"quarter: last day takes the weekday away", OfType(5),
     [](CFakeEntryView& v) { v.Click(1051); }, &WEEKDAY_IDS, WEEKDAY_OFF, 0},
    {"quarter: a day, then none", OfType(6),
     [](CFakeEntryView& v) {
         v.Type(1016, "5");
         v.Type(1016, "");
     },
     &WEEKDAY_IDS, WEEKDAY_FREE, 0},
    {"quarter: a day", OfType(7), [](CFakeEntryView& v) { v.Type(1016, "5"); }, &DATE_IDS,
     MONTHLY_DAY5, 0},
    {"a shift offers the direction and the payday", OfType(0),
     [](CFakeEntryView& v) { v.Click(1023); }, &HOLIDAY_IDS,
     "+1034 +1021 +1022 +1023* +1024 +1044 +1025* +1026 +1027 +1038", 0},
    {"payday takes the direction away", OfType(0),
     [](CFakeEntryView& v) {
         v.Click(1024);
         v.Click(1026);
         v.Click(1027);
     },
     &HOLIDAY_IDS, "+1034 +1021 +1022 +1023 +1024* -1044 -1025 -1026 +1027* +1038", 0},
    {"holiday takes the payday away", OfType(0),
     [](CFakeEntryView& v) {
         v.Click(1023);
         v.Click(1027);
         v.Click(1022);
     },
     &HOLIDAY_IDS, "+1034 +1021 +1022* +1023 +1024 -1044 -1025 -1026 -1027 -1038", 0},
    {"period: 休日 offers all four", OfType(8), [](CFakeEntryView& v) { v.Click(1022); },
     &HOLIDAY_IDS, "+1034 +1021 +1022* +1023 +1024 -1044 -1025 -1026 -1027 -1038", 0},
    {"period: 指定無し as it was changes nothing", OfType(8),
     [](CFakeEntryView& v) { v.Click(1021); }, &HOLIDAY_IDS,
     "+1034 +1021* +1022 -1023 -1024 -1044 -1025 -1026 -1027 -1038", 0},
    {"period edits: limits and \"%d\" write-back", OfType(8),
     [](CFakeEntryView& v) {
         v.Type(1028, "13");
         v.Type(1029, "31");
         v.Type(1030, "4");
         v.Type(1031, "40");
     },
     &PERIOD_IDS, "+1035 +1028=0 +1039 +1029=31 +1040 +1045 +1030=4 +1041 +1031=0 +1042", 2},
};
} // namespace

TEST(EntryEditEvents, EachEventSwitchesTheGroupsItShould) {
    for (const EventCase& c : EVENT_CASES) {
        SCOPED_TRACE(c.what);
        CFakeEntryView v;
        v.Open(c.start);
        c.act(v);
        EXPECT_EQ(c.expected, v.Describe(*c.group));
        EXPECT_EQ(c.beeps, v.beeps);
    }
}

TEST(EntryEditEvents, OnlyRealChangesMarkTheDialogChanged) {
    CFakeEntryView v;
    v.Open(OfType(3));
    v.Select(IDC_TYPE, 3);
    v.Type(IDC_MONTH, "55"); // refused
    v.Click(IDC_DAY_NUMBER); // already chosen
    v.Click(IDC_HOL_NONE);
    v.Click(IDC_DIR_BEFORE);
    v.Select(IDC_WEEKDAY, 0);
    EXPECT_FALSE(v.dialog.changed);
    EXPECT_FALSE(v.controls[IDC_REVERT].enabled);
    v.Select(IDC_WEEKDAY, 1);
    EXPECT_TRUE(v.dialog.changed);
    EXPECT_TRUE(v.controls[IDC_REVERT].enabled);
}

TEST(EntryEditEvents, AnOverlongNameLosesItsLastWholeCharacter) {
    const std::string a125(125, 'a');
    const std::string kanji = "\x88\x9F"; // 亜: its trail byte has a lead byte's value
    struct {
        std::string typed, kept;
    } rows[] = {
        {a125 + "ab", a125 + "ab"},                     // 127 bytes fit
        {a125 + "a" + kanji, a125 + "a"},               // the whole 亜 goes
        {a125 + kanji + "a", a125 + kanji},             // only the a: 9F is not a lead byte here
        {a125 + "ab" + kanji, a125 + "ab"},             // 129 bytes
        {std::string(300, 'z'), std::string(127, 'z')}, // a long paste, cut in one go
    };
    for (const auto& row : rows) {
        CFakeEntryView v;
        v.Open(OfType(0));
        v.Type(IDC_NAME, row.typed);
        EXPECT_EQ(row.kept, v.dialog.nameText);
        EXPECT_EQ(row.kept, v.controls[IDC_NAME].text);
        EXPECT_EQ(row.typed.size() >= 128 ? 1 : 0, v.beeps);
        EXPECT_TRUE(v.dialog.changed);
    }
}

TEST(EntryEditEvents, EditNumbersReadTheLeadingDigits) {
    EXPECT_EQ(0, EditNumber(""));
    EXPECT_EQ(7, EditNumber("07"));
    EXPECT_EQ(2147483647, EditNumber("99999999999999999999"));
    CFakeEntryView v;
    v.Open(OfType(0));
    v.Type(IDC_DAY, "99999999999999999999");
    EXPECT_EQ(1, v.beeps);
    EXPECT_EQ("0", v.controls[IDC_DAY].text);
}
