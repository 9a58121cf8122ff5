// The real entry edit dialog, run modally and driven by real notifications: its controls
// read back from the window match what the dialog's logic gives for the same steps, and the
// entries composed in it are found by the engine on the dates a calendar says.
#include "editor/win32/EntryEditWnd.h"
#include "DialogDriver.h"
#include "EditActs.h"
#include "EntryUtil.h"
#include "GuiUtil.h"
#include "calendar/Calendar.h"
#include "calendar/KmdDataFile.h"
#include "editor/EntryEditFake.h"
#include "platform/Clock.h"
#include "winui/MessageBox.h"

#include <gtest/gtest.h>

namespace {
const char* const CAPTION = "KmbTool 編集ダイアログ";

std::string DescribeWindow(HWND dialog, const std::vector<int>& ids) {
    std::string out;
    for (int id : ids) {
        HWND c = GetDlgItem(dialog, id);
        out += (out.empty() ? "" : " ");
        out += (IsWindowEnabled(c) ? '+' : '-') + std::to_string(id);
        char cls[16] = {};
        GetClassNameA(c, cls, sizeof cls);
        const std::string kind = cls;
        if (kind == "Edit" || kind == "EDIT")
            out += "=" + WindowText(c);
        else if (kind == "ComboBox" || kind == "COMBOBOX")
            out += "#" + std::to_string(static_cast<int>(SendMessageA(c, CB_GETCURSEL, 0, 0)));
        else if (IsDlgButtonChecked(dialog, id) == BST_CHECKED)
            out += "*";
    }
    return out;
}

void DoInFake(CFakeEntryView& v, const Act& a) {
    switch (a.kind) {
    case Act::TYPE:
    case Act::PASTE:
        v.Type(a.id, a.text);
        break;
    case Act::CHAR:
        v.Type(a.id, v.controls[a.id].text + a.text);
        break;
    case Act::SELECT:
        v.Select(a.id, a.item);
        break;
    case Act::CLICK:
        v.Click(a.id);
        break;
    }
}

struct Composed {
    const char* what;
    const char* shot; // screenshot name, or null
    CKmdDate start;
    std::vector<Act> acts;
    unsigned months, startDay, endDay, weekday, flags;
};

const Composed COMPOSED[] = {
    {"payday on the 25th off Saturdays, Sundays and holidays",
     nullptr,
     CKmdDate(),
     {Type(1013, "給料日"), Select(1014, 3), Char(1016, '2'), Char(1016, '5'), Click(1024),
      Click(1026), Click(1027)},
     0,
     25,
     0,
     0,
     0x1803},
    {"second Monday of January",
     "monthly_nth_weekday",
     CKmdDate(),
     {Type(1013, "成人の日"), Select(1014, 3), Select(1020, 2), Select(1052, 1), Char(1015, '1'),
      Click(1022)},
     0x10,
     0,
     0,
     2,
     0x0243},
    {"Wednesday of odd weeks",
     "biweekly",
     CKmdDate(),
     {Type(1013, "ゴミ出し"), Select(1014, 2), Click(1046), Select(1020, 4), Click(1023),
      Click(1026)},
     0,
     0,
     0,
     4,
     0x2412},
    {"3/20-4/10 as a period",
     "period",
     CKmdDate(),
     {Type(1013, "春休み"), Select(1014, 8), Char(1028, '3'), Type(1029, "20"), Char(1030, '4'),
      Type(1031, "10"), Click(1022), Click(1024)},
     0x34,
     20,
     10,
     0,
     0x0808},
    {"holiday on 6/25 (a day entry)",
     "day",
     CKmdDate(),
     {Type(1013, "休み"), Char(1015, '6'), Type(1016, "25"), Click(1022)},
     0x60,
     25,
     0,
     0,
     0x0200},
    {"holiday on 6/26, edited from a monthly payday",
     nullptr,
     RawEntry(0, 25, 0, 3, 0x3C13),
     {Type(1013, "休み"), Select(1014, 0), Char(1015, '6'), Paste(1016, "26"), Click(1022)},
     0x60,
     26,
     0,
     0,
     0x0200},
};

class EntryEditWnd : public ::testing::Test {
protected:
    void SetUp() override { SetMessageCaption("KmbTool"); }
    void TearDown() override { SetClockOverride(nullptr); }
};
} // namespace

TEST_F(EntryEditWnd, OpensEachTypeAsItsLogicSaysAndCancelLeavesTheEntry) {
    const CKmdDate entries[] = {
        RawEntry(0x20, 29, 0, 0, 0x0200),  RawEntry(0x50, 7, 0, 3, 0x2801),
        RawEntry(0, 0, 0, 4, 0x3412),      RawEntry(0, 25, 0, 0, 0x1803),
        RawEntry(0x10, 0, 0, 2, 0x0043),   RawEntry(0, 0, 0, 0, 0x0103),
        RawEntry(0, 10, 0, 0, 0x0014),     RawEntry(0x40, 0, 0, 6, 0x0105),
        RawEntry(0, 0, 0, 0, 0x0106),      RawEntry(0, 0, 0, 0, 0x0007),
        RawEntry(0x34, 20, 10, 0, 0x0208), RawEntry(0x34, 20, 10, 3, 0x0209),
    };
    for (const CKmdDate& start : entries) {
        CFakeEntryView fake;
        fake.Open(start);
        std::string seen, items;
        bool ended = false;
        CDialogDriver driver;
        driver.On(CAPTION, [&](HWND w) {
            seen = DescribeWindow(w, AllIds());
            for (int combo : {1014, 1052, 1020}) {
                const int n = static_cast<int>(SendDlgItemMessageA(w, combo, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < n; ++i) {
                    char text[128] = {};
                    SendDlgItemMessageA(w, combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                        reinterpret_cast<LPARAM>(text));
                    items += std::string(text) + "|";
                }
            }
            // Changes, then Esc: nothing of them reaches the entry.
            DoInWindow(w, Type(1013, "changed"));
            DoInWindow(w, Select(1014, 8));
            PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            ended = true;
        });
        CKmdDate entry = start;
        EXPECT_FALSE(RunEntryEdit(nullptr, entry));
        ASSERT_TRUE(ended && driver.AllDone() && !driver.TimedOut());
        EXPECT_EQ(fake.Describe(AllIds()), seen);
        EXPECT_EQ(
            "当日指定|毎週指定|隔週指定（奇数週か偶数週かを指定する）|毎月指定（特殊指定あり）|"
            "隔月指定（奇数月か偶数月かを指定する）|四半期1（１，４，７，１０月）|"
            "四半期2（２，５，８，１１月）|四半期3（３，６，９，１２月）|期間指定|"
            "第１|第２|第３|第４|第５|最終|"
            "|日曜日|月曜日|火曜日|水曜日|木曜日|金曜日|土曜日|",
            items);
        unsigned char a[134], b[134];
        start.Pack(a, sizeof a);
        entry.Pack(b, sizeof b);
        EXPECT_EQ(0, memcmp(a, b, sizeof a));
    }
}

TEST_F(EntryEditWnd, EntriesComposedInTheDialogAreStoredAndFound) {
    CKmdDataFile file;
    for (const Composed& c : COMPOSED) {
        SCOPED_TRACE(c.what);
        CFakeEntryView fake;
        fake.Open(c.start);
        for (const Act& a : c.acts)
            DoInFake(fake, a);
        std::string seen;
        CDialogDriver driver;
        driver.On(CAPTION, [&](HWND w) {
            for (const Act& a : c.acts)
                DoInWindow(w, a);
            seen = DescribeWindow(w, AllIds());
            if (c.shot) {
                RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                SaveScreenshot(w, std::string("entry_edit_") + c.shot);
            }
            PostMessageA(w, WM_COMMAND, IDOK, 0);
        });
        CKmdDate entry = c.start;
        ASSERT_TRUE(RunEntryEdit(nullptr, entry));
        EXPECT_EQ(fake.Describe(AllIds()), seen);
        unsigned char image[134];
        entry.Pack(image, sizeof image);
        EXPECT_EQ(c.months, image[0]);
        EXPECT_EQ(c.startDay, image[1]);
        EXPECT_EQ(c.endDay, image[2]);
        EXPECT_EQ(c.weekday, image[3]);
        EXPECT_EQ(c.flags, image[4] | image[5] << 8u);
        file.Add(entry);
    }

    // Hand-checked on a 2025 calendar: 1/25 is a Saturday, 5/25 a Sunday, 6/25 and 6/26
    // are the holidays above; the year's first week (1/1-1/4) is odd.
    const SYSTEMTIME now = MakeDate(2025, 1, 1);
    SetClockOverride(&now);
    file.MarkHolidays(0);
    struct {
        unsigned month, day;
        const char* names;
    } days[] = {
        {1, 1, "ゴミ出し|"},  {1, 6, ""},         {1, 8, ""},       {1, 13, "成人の日|"},
        {1, 15, "ゴミ出し|"}, {1, 24, "給料日|"}, {1, 25, ""},      {1, 27, ""},
        {2, 10, ""},          {2, 25, "給料日|"}, {3, 19, ""},      {3, 20, "春休み|"},
        {4, 10, "春休み|"},   {4, 11, ""},        {5, 25, ""},      {5, 26, "給料日|"},
        {6, 24, "給料日|"},   {6, 25, "休み|"},   {6, 26, "休み|"},
    };
    for (const auto& d : days) {
        std::string found;
        CKmdDate e;
        if (file.FindFirst(MakeDate(2025, d.month, d.day))) {
            bool more;
            do {
                more = file.FindNext(e);
                found += std::string(e.NameField()) + "|";
            } while (more);
        }
        EXPECT_EQ(d.names, found) << d.month << "/" << d.day;
    }
}

TEST_F(EntryEditWnd, RefusedTypingAndAFailedCheckKeepTheDialogOpen) {
    std::string month, pasted, name, boxCaption, boxText, focus;
    DWORD caret = 0;
    CDialogDriver driver;
    driver.On(CAPTION, [&](HWND w) {
        DoInWindow(w, Char(1015, '1'));
        DoInWindow(w, Char(1015, '3'));
        month = WindowText(GetDlgItem(w, 1015));
        DoInWindow(w, Type(1015, "2"));
        DoInWindow(w, Paste(1016, "55"));
        pasted = WindowText(GetDlgItem(w, 1016));
        SendDlgItemMessageA(w, 1016, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        DoInWindow(w, Paste(1013, std::string(125, 'a') + "\x88\x9F" + "a"));
        name = WindowText(GetDlgItem(w, 1013));
        DoInWindow(w, Type(1016, "30"));
        PostMessageA(w, WM_COMMAND, IDOK, 0);
    });
    driver.On("KmbTool", [&](HWND box) {
        boxCaption = WindowText(box);
        boxText = ItemText(box, 0xFFFF);
        RECT r, d;
        GetWindowRect(box, &r);
        GetWindowRect(FindWindowA(nullptr, CAPTION), &d);
        UnionRect(&r, &r, &d);
        SaveScreenRect(r, "entry_edit_check_message");
        Press(box, IDOK);
    });
    driver.On(CAPTION, [&](HWND w) {
        focus = std::to_string(GetDlgCtrlID(GetFocus()));
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    });
    CKmdDate entry;
    EXPECT_FALSE(RunEntryEdit(nullptr, entry));
    ASSERT_TRUE(driver.AllDone() && !driver.TimedOut());
    EXPECT_EQ("1", month);
    EXPECT_EQ("0", pasted);
    EXPECT_EQ(1u, caret); // where it was, within the shorter text
    EXPECT_EQ(std::string(125, 'a') + "\x88\x9F", name);
    EXPECT_EQ("KmbTool", boxCaption);
    EXPECT_EQ("2月は、29日までしかありません。", boxText);
    EXPECT_EQ("1016", focus);
    EXPECT_TRUE(entry.IsEmpty());
}

TEST_F(EntryEditWnd, RadioSetsAreSeparateGroupsAndRevertRestores) {
    std::string afterClicks, afterRevert, opened;
    bool revertEnabled = true;
    CDialogDriver driver;
    driver.On(CAPTION, [&](HWND w) {
        opened = DescribeWindow(w, AllIds());
        for (const Act& a : {Click(1046), Click(1051), Click(1024), Click(1026)})
            DoInWindow(w, a);
        afterClicks = DescribeWindow(w, {1046, 1047, 1050, 1051, 1021, 1024, 1025, 1026});
        DoInWindow(w, Click(1053));
        afterRevert = DescribeWindow(w, AllIds());
        revertEnabled = IsWindowEnabled(GetDlgItem(w, 1053)) != FALSE;
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    });
    CKmdDate entry = RawEntry(0, 0, 0, 0, 0x0004, "隔月"); // even months, nothing given
    EXPECT_FALSE(RunEntryEdit(nullptr, entry));
    ASSERT_TRUE(driver.AllDone());
    EXPECT_EQ("+1046* +1047 +1050 +1051* +1021 +1024* +1025 +1026*", afterClicks);
    EXPECT_EQ(opened, afterRevert);
    EXPECT_FALSE(revertEnabled);
}

// The preview line follows each change as it is made, from the clock's today on, moving off
// the national holidays (2/23 天皇誕生日, 3/22 振替休日) and the file's own (3/23).
TEST_F(EntryEditWnd, PreviewLineShowsTheNextDaysOfTheValuesLive) {
    const SYSTEMTIME now = MakeDate(2026, 12, 20);
    SetClockOverride(&now);
    std::vector<std::string> lines;
    CDialogDriver driver;
    driver.On(CAPTION, [&](HWND w) {
        const auto line = [&] { lines.push_back(WindowText(GetDlgItem(w, IDC_NEXT_DAYS))); };
        line();
        for (const Act& a :
             {Select(1014, 3), Char(1016, '2'), Char(1016, '3'), Click(1023), Click(1026)}) {
            DoInWindow(w, a);
            line();
        }
        RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SaveScreenshot(w, "entry_edit_next_days");
        // The fifth Sunday of February, not moved: none before 2032.
        for (const Act& a :
             {Type(1016, ""), Select(1020, 1), Select(1052, 4), Char(1015, '2'), Click(1021)})
            DoInWindow(w, a);
        line();
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    });
    CKmdDate entry;
    EXPECT_FALSE(RunEntryEdit(nullptr, entry, {RawEntry(0x30, 23, 0, 0, DF_HOLIDAY).GetRule()}));
    ASSERT_TRUE(driver.AllDone() && !driver.TimedOut());
    const std::string none = "（日付を決められません）";
    EXPECT_EQ(std::vector<std::string>({
                  none, // 当日 without a day
                  none, // 毎月 without a day or weekday
                  "次の日付：2027/1/2(土)　2027/2/2(火)　2027/3/2(火)　2027/4/2(金)　2027/5/2(日)",
                  "次の日付：12/23(水)　2027/1/23(土)　2027/2/23(火)　2027/3/23(火)　2027/4/23(金)",
                  "次の日付：12/23(水)　2027/1/23(土)　2027/2/22(月)　2027/3/20(土)　2027/4/23(金)",
                  "次の日付：12/23(水)　2027/1/23(土)　2027/2/24(水)　2027/3/24(水)　2027/4/23(金)",
                  "（２年以内に該当日はありません）",
              }),
              lines);
}

// Two digits typed into a month or day box stay in sight: the boxes are 13 units wide, and
// within the font's margins the first digit scrolled out of view as the second came.
TEST_F(EntryEditWnd, TwoTypedDigitsShowInEveryNumberBox) {
    std::string hidden;
    CDialogDriver driver;
    driver.On(CAPTION, [&](HWND w) {
        for (int id : {IDC_MONTH, IDC_DAY, 1028, 1029, 1030, 1031}) {
            if (id == 1028)
                DoInWindow(w, Select(IDC_TYPE, 8)); // 期間指定, for the period's boxes
            const std::string digits = id == IDC_MONTH || id == 1028 || id == 1030 ? "12" : "31";
            DoInWindow(w, Char(id, digits[0]));
            DoInWindow(w, Char(id, digits[1]));
            RECT r = {};
            SendDlgItemMessageA(w, id, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
            const int x = static_cast<short>(SendDlgItemMessageA(w, id, EM_POSFROMCHAR, 0, 0));
            if (ItemText(w, id) != digits || x < r.left || x >= r.right)
                hidden += std::to_string(id) + " ";
        }
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    });
    CKmdDate entry;
    EXPECT_FALSE(RunEntryEdit(nullptr, entry));
    ASSERT_TRUE(driver.AllDone() && !driver.TimedOut());
    EXPECT_EQ("", hidden);
}
