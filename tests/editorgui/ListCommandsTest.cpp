// The list commands through the real window: rows clicked with the mouse, buttons and
// accelerators, the confirmation dialog answered, the rows read back after every step, the
// saved file compared; and a copy in this editor pasted into a running KmbTool.exe.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "calendar/RowText.h"
#include "editor/Resource.h"
#include "winui/Clipboard.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
CKmdDate Day(unsigned month, unsigned day, const std::string& name) {
    return RawEntry(month << 4, day, 0, 0, 0, name);
}

// Entries A..E on the first days of January.
std::vector<CKmdDate> FiveEntries() {
    std::vector<CKmdDate> v;
    const char* names[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
    for (unsigned i = 0; i < 5; ++i)
        v.push_back(Day(1, i + 1, names[i]));
    return v;
}

// The entries in this order of A..E (0-4).
std::vector<CKmdDate> Order(std::initializer_list<int> order) {
    const auto all = FiveEntries();
    std::vector<CKmdDate> v;
    for (int i : order)
        v.push_back(all[static_cast<std::size_t>(i)]);
    return v;
}

HWND MainList() {
    return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST);
}
} // namespace

TEST(ListCommands, ButtonsKeysAndClicksKeepRowsAndFileInStep) {
    const std::string dir = FreshDir("commands");
    const std::string full = WorkDir() + "tmp_commands\\";
    WriteEntries(dir + "/five.kmb", FiveEntries());
    std::vector<unsigned char> block;
    CEditorScript script;
    // Each step's rows as the entries render them, in the order given.
    auto expectRows = [&script](std::initializer_list<int> order, const char* step) {
        const auto rows = Rendered(Order(order));
        script.OnMain([rows, step](HWND main) { EXPECT_EQ(ListRows(main), rows) << step; });
    };
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(full + "five.kmb");
    script.OnMain([](HWND main) {
        ClickRow(main, 1);
        EXPECT_EQ(Selected(main), std::vector<int>{1});
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_MOVE_DOWN)));
        Press(main, IDC_MOVE_DOWN);
    });
    expectRows({0, 2, 1, 3, 4}, "down");
    script.OnMain([](HWND main) {
        EXPECT_EQ(Selected(main), std::vector<int>{2});
        Press(main, IDC_MOVE_TOP);
    });
    expectRows({1, 0, 2, 3, 4}, "top");
    script.OnMain([](HWND main) { Press(main, IDC_MOVE_BOTTOM); });
    expectRows({0, 2, 3, 4, 1}, "bottom");
    script.OnMain([](HWND main) { Press(main, IDC_MOVE_UP); });
    expectRows({0, 2, 3, 1, 4}, "up");
    // A plain click on row 0, Ctrl+click on row 3: both selected; Ctrl+C copies them.
    script.OnMain([](HWND main) {
        ClickRow(main, 0);
        ClickRow(main, 3, true);
        EXPECT_EQ(Selected(main), (std::vector<int>{0, 3}));
    });
    script.Key(MainList, 'C', true);
    script.OnMain([&block](HWND main) {
        EXPECT_EQ(GetClipboardBlock(main, "KMB_DATA", block), CLIPBOARD_OK);
        // Row 2 current; Ctrl+V puts the two in front of it, selected.
        ClickRow(main, 2);
    });
    script.Key(MainList, 'V', true);
    script.OnMain([](HWND main) {
        EXPECT_EQ(ListRows(main), Rendered(Order({0, 2, 0, 1, 3, 1, 4})));
        EXPECT_EQ(Selected(main), (std::vector<int>{2, 3}));
        Pump(300);
        SaveScreenshot(main, "main_after_paste");
        Press(main, IDC_DELETE);
    });
    // Two rows asked about: keep the first, delete the second.
    script.OnDialog([](HWND confirm) {
        EXPECT_EQ(ItemText(confirm, IDC_CONFIRM_TEXT), "［Ａ］を削除します。");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(confirm, IDC_ALL_YES)));
        Press(confirm, IDNO);
    });
    script.OnDialog([](HWND confirm) {
        EXPECT_EQ(ItemText(confirm, IDC_CONFIRM_TEXT), "［Ｂ］を削除します。");
        Press(confirm, IDYES);
    });
    script.OnMain([](HWND main) {
        EXPECT_EQ(ListRows(main), Rendered(Order({0, 2, 0, 3, 1, 4})));
        EXPECT_EQ(ItemText(main, IDC_MODIFIED), "変更あり");
        Press(main, IDC_SAVE);
    });
    script.AnswerFileDialog(full + "out.kmb");
    script.OnMain([](HWND main) {
        EXPECT_EQ(ItemText(main, IDC_MODIFIED), "");
        Press(main, IDC_CLEAR_ALL);
    });
    script.AnswerBox("全てのデータを削除します。\nよろしいですか？", IDYES);
    script.OnMain([](HWND main) {
        EXPECT_TRUE(ListRows(main).empty());
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_DELETE)));
        PostMessageA(main, WM_CLOSE, 0, 0);
    });
    script.AnswerBox(kDiscard, IDYES);
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());

    // The block: count 2, then the packed images of rows 0 and 3 (Ａ, Ｂ).
    ASSERT_GE(block.size(), 4u + 2 * 134);
    EXPECT_EQ(block[0], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&block[4 + 6])), "Ａ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&block[4 + 134 + 6])), "Ｂ");
    WriteEntries(dir + "/expected.kmb", Order({0, 2, 0, 3, 1, 4}));
    EXPECT_EQ(ReadBytes(dir + "/out.kmb"), ReadBytes(dir + "/expected.kmb"));
}

TEST(ListCommands, AddInsertAndEditThroughTheRealEditDialog) {
    const std::string dir = FreshDir("editcmds");
    WriteEntries(dir + "/five.kmb", FiveEntries());
    const auto five = FiveEntries();
    const CKmdDate f = Day(2, 1, "Ｆ"), g = Day(3, 3, "Ｇ"), b2 = Day(1, 2, "Ｂ２"),
                   d20 = Day(1, 20, "Ｄ");
    const std::vector<Act> typeF = {Type(IDC_NAME, "Ｆ"), Char(IDC_MONTH, '2'), Type(IDC_DAY, "1")};
    const std::vector<Act> scribble = {Type(IDC_NAME, "捨てる"), Select(IDC_TYPE, 8)};
    const struct {
        const char* what;
        int click;  // the row clicked first, or -1
        bool twice; // a double click instead of the command's button
        int command;
        std::vector<Act> acts;
        int answer;
        std::vector<int> selected;
        const char* modified;
    } steps[] = {
        {"add cancelled", -1, false, IDC_ADD, scribble, IDCANCEL, {}, ""},
        {"add", -1, false, IDC_ADD, typeF, IDOK, {}, "変更あり"},
        {"insert at row 0",
         0,
         false,
         IDC_INSERT,
         {Type(IDC_NAME, "Ｇ"), Char(IDC_MONTH, '3'), Type(IDC_DAY, "3")},
         IDOK,
         {0},
         "変更あり"},
        {"insert cancelled", -1, false, IDC_INSERT, scribble, IDCANCEL, {0}, "変更あり"},
        {"edit", 2, false, IDC_EDIT, {Paste(IDC_NAME, "Ｂ２")}, IDOK, {2}, "変更あり"},
        {"edit cancelled", -1, false, IDC_EDIT, scribble, IDCANCEL, {2}, "変更あり"},
        {"double click", 4, true, 0, {Type(IDC_DAY, "20")}, IDOK, {4}, "変更あり"},
        {"double click cancelled", 5, true, 0, scribble, IDCANCEL, {5}, "変更あり"},
    };
    // The lists after each step: F added; G in front of A; B renamed; D on the 20th.
    std::vector<std::vector<CKmdDate>> lists = {five, five};
    lists[1].push_back(f);
    lists.push_back(lists[1]);
    lists[2].insert(lists[2].begin(), g);
    lists.push_back(lists[2]);
    lists.push_back(lists[3]);
    lists[4][2] = b2;
    lists.push_back(lists[4]);
    lists.push_back(lists[5]);
    lists[6][4] = d20;
    lists.push_back(lists[6]);

    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(WorkDir() + "tmp_editcmds\\five.kmb");
    for (std::size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        const auto& s = steps[i];
        const auto rows = Rendered(lists[i]);
        script.OnMain([&s](HWND main) {
            if (s.twice)
                DoubleClickRow(main, s.click);
            else {
                if (s.click >= 0)
                    ClickRow(main, s.click);
                Press(main, s.command);
            }
        });
        script.AnswerEntryEdit(s.acts, s.answer);
        script.OnMain([&s, rows](HWND main) {
            EXPECT_EQ(ListRows(main), rows) << s.what;
            EXPECT_EQ(Selected(main), s.selected) << s.what;
            EXPECT_EQ(ItemText(main, IDC_MODIFIED), s.modified) << s.what;
        });
    }
    script.OnMain([](HWND main) { Press(main, IDC_SAVE); });
    script.AnswerFileDialog(WorkDir() + "tmp_editcmds\\out.kmb");
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());

    WriteEntries(dir + "/expected.kmb", lists.back());
    EXPECT_EQ(ReadBytes(dir + "/out.kmb"), ReadBytes(dir + "/expected.kmb"));
}

namespace {
// The system menu's undo and redo items: '+' enabled, '-' greyed.
std::string UndoItems(HWND main) {
    std::string out;
    for (UINT id : {IDM_UNDO, IDM_REDO})
        out += GetMenuState(GetSystemMenu(main, FALSE), id, MF_BYCOMMAND) & MF_GRAYED ? '-' : '+';
    return out;
}
} // namespace

// Ctrl+Z and Ctrl+Y through the window's keys: a move and a delete of two rows taken back and
// done again, with the rows they touched selected, and 変更あり and the menu items following.
TEST(ListCommands, CtrlZAndCtrlYUndoAndRedoTheSteps) {
    const std::string dir = FreshDir("undo");
    WriteEntries(dir + "/five.kmb", FiveEntries());
    CEditorScript script;
    const auto expect = [&script](std::initializer_list<int> order, std::vector<int> selected,
                                  const char* items, const char* modified) {
        const auto rows = Rendered(Order(order));
        script.OnMain([=](HWND main) {
            EXPECT_EQ(ListRows(main), rows) << items;
            EXPECT_EQ(Selected(main), selected) << items;
            EXPECT_EQ(UndoItems(main), items);
            EXPECT_EQ(ItemText(main, IDC_MODIFIED), modified) << items;
        });
    };
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(WorkDir() + "tmp_undo\\five.kmb");
    script.OnMain([](HWND main) {
        EXPECT_EQ(UndoItems(main), "--");
        ClickRow(main, 1);
        Press(main, IDC_MOVE_BOTTOM);
        ClickRow(main, 0);
        ClickRow(main, 2, true);
        Press(main, IDC_DELETE);
    });
    script.OnDialog([](HWND confirm) { Press(confirm, IDC_ALL_YES); });
    expect({2, 4, 1}, {1}, "+-", "変更あり");
    script.Key(MainList, 'Z', true);
    expect({0, 2, 3, 4, 1}, {0, 2}, "++", "変更あり");
    script.Key(MainList, 'Z', true);
    expect({0, 1, 2, 3, 4}, {1}, "-+", "");
    script.Key(MainList, 'Z', true); // nothing left to undo
    expect({0, 1, 2, 3, 4}, {1}, "-+", "");
    script.Key(MainList, 'Y', true);
    expect({0, 2, 3, 4, 1}, {4}, "++", "変更あり");
    script.Key(MainList, 'Z', true);
    // Back at the state opened: the window closes without asking.
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
}
