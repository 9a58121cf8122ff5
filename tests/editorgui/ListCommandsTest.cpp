// The list commands through the real window: rows clicked with the mouse, buttons and
// accelerators, the confirmation dialog answered, the rows read back after every step, the
// saved file compared; and a copy in this editor pasted into a running KmbTool.exe.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "data/KmdDataFile.h"
#include "data/RowText.h"
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

void WriteEntries(const std::string& path, const std::vector<CKmdDate>& entries) {
    CKmdDataFile file;
    for (const CKmdDate& e : entries)
        file.Add(e);
    ASSERT_TRUE(file.Write(path.c_str()));
}

std::vector<std::vector<std::string>> Rendered(const std::vector<CKmdDate>& entries) {
    std::vector<std::vector<std::string>> rows;
    for (const CKmdDate& e : entries) {
        std::vector<std::string> row;
        for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
            row.push_back(RowColumnText(e, c));
        rows.push_back(row);
    }
    return rows;
}

// The entries in this order of A..E (0-4).
std::vector<CKmdDate> Order(std::initializer_list<int> order) {
    const auto all = FiveEntries();
    std::vector<CKmdDate> v;
    for (int i : order)
        v.push_back(all[static_cast<std::size_t>(i)]);
    return v;
}

std::vector<int> Selected(HWND main) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < ListRows(main).size(); ++i)
        if (RowSelected(main, static_cast<int>(i)))
            rows.push_back(static_cast<int>(i));
    return rows;
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
    script.AnswerBox("表示中のデータは変更されています。\n破棄してもよろしいですか？", IDYES);
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
