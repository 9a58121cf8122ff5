// A user's session with two editors: the examples' payday file edited through the real edit
// and confirmation dialogs, two rows copied into a running KmbTool.exe holding gomi.kmb, both
// saved; koyomi then dumps the files and finds the new payday on a calendar's dates.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Utf8(std::initializer_list<const char*> lines) {
    std::vector<std::string> out;
    for (const char* line : lines)
        out.push_back(ToUtf8(line));
    return out;
}

std::vector<std::vector<std::string>> RowsOf(std::initializer_list<CKmdDate> entries) {
    return Rendered(std::vector<CKmdDate>(entries));
}
} // namespace

TEST(EditorSession, PaydayComposedMovedCopiedIntoASecondEditorAndFound) {
    const std::string dir = FreshDir("session");
    const std::string full = WorkDir() + "tmp_session\\";
    MakeLegacyExample("payday", dir);
    MakeLegacyExample("gomi", dir);
    KoyomiLines("convert " + dir + "/gomi.kmd " + dir + "/gomi.kmb");
    KoyomiLines("holidays 2027 " + dir + "/holidays-2027.kmb");

    const CKmdDate pay = RawEntry(0, 25, 0, 0, 0x1803, "給料日"),
                   summer = RawEntry(0x60, 10, 0, 0, 0x0800, "夏のボーナス"),
                   summer2 = RawEntry(0x60, 10, 0, 0, 0x0800, "夏の賞与"),
                   winter2 = RawEntry(0xC0, 11, 0, 0, 0x0800, "冬の賞与"),
                   newPay = RawEntry(0, 25, 0, 0, 0x1803, "新給料日"),
                   closed = RawEntry(0xA0, 25, 0, 0, 0x0200, "創立記念日");
    const CKmdDate winter = RawEntry(0xC0, 10, 0, 0, 0x0800, "冬のボーナス");

    // The second editor: gomi.kmb open, row 2 clicked (the paste goes in front of it).
    const CProgram editor(BinPath("KmbTool.exe"));
    HWND other = WaitForWindow(editor.Id(), "KmbTool");
    ASSERT_NE(other, nullptr);
    PostMessageA(other, WM_COMMAND, IDC_OPEN, 0);
    ASSERT_TRUE(AnswerFileDialogOf(editor.Id(), full + "gomi.kmb"));
    WaitUntil([&] { return RowCount(other) == 7; });
    const auto gomiRows = ListRows(other);
    ASSERT_EQ(gomiRows.size(), 7u);
    ClickRow(other, 2);
    WaitUntil([&] { return IsWindowEnabled(GetDlgItem(other, IDC_INSERT)) != FALSE; });

    CEditorScript script;
    auto expectRows = [&script](std::vector<std::vector<std::string>> rows,
                                std::vector<int> selected, const char* step) {
        script.OnMain([rows, selected, step](HWND main) {
            EXPECT_EQ(ListRows(main), rows) << step;
            EXPECT_EQ(Selected(main), selected) << step;
        });
    };
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(full + "payday.kmd");
    expectRows(RowsOf({pay, summer, winter}), {}, "opened");
    // 追加: a payday on the 25th, off Saturdays, Sundays and holidays in the payday manner.
    script.OnMain([](HWND main) { Press(main, IDC_ADD); });
    script.AnswerEntryEdit({Type(IDC_NAME, "新給料日"), Select(IDC_TYPE, 3), Char(IDC_DAY, '2'),
                            Char(IDC_DAY, '5'), Click(IDC_HOL_SHIFT_SAT), Click(IDC_PAYDAY)},
                           IDOK);
    expectRows(RowsOf({pay, summer, winter, newPay}), {}, "added");
    // 挿入 in front of row 1: the firm's own day off.
    script.OnMain([](HWND main) {
        ClickRow(main, 1);
        Press(main, IDC_INSERT);
    });
    script.AnswerEntryEdit({Type(IDC_NAME, "創立記念日"), Char(IDC_MONTH, '1'),
                            Char(IDC_MONTH, '0'), Type(IDC_DAY, "25"), Click(IDC_HOL_HOLIDAY)},
                           IDOK);
    expectRows(RowsOf({pay, closed, summer, winter, newPay}), {1}, "inserted");
    // 編集 on row 3, then a double click on row 2.
    script.OnMain([](HWND main) {
        ClickRow(main, 3);
        Press(main, IDC_EDIT);
    });
    script.AnswerEntryEdit({Paste(IDC_NAME, "冬の賞与"), Paste(IDC_DAY, "11")}, IDOK);
    script.OnMain([](HWND main) { DoubleClickRow(main, 2); });
    script.AnswerEntryEdit({Paste(IDC_NAME, "夏の賞与")}, IDOK);
    expectRows(RowsOf({pay, closed, summer2, winter2, newPay}), {2}, "edited");
    // 先頭へ with the new payday.
    script.OnMain([](HWND main) {
        ClickRow(main, 4);
        Press(main, IDC_MOVE_TOP);
    });
    expectRows(RowsOf({newPay, pay, closed, summer2, winter2}), {0}, "moved");
    // Rows 0 and 2 copied by the button and pasted into the other editor by its button; it
    // saves over gomi.kmb.
    script.OnMain([](HWND main) {
        ClickRow(main, 2, true);
        Press(main, IDC_COPY);
    });
    script.OnMain([&](HWND) {
        PostMessageA(other, WM_COMMAND, MAKEWPARAM(IDC_PASTE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(other, IDC_PASTE)));
        WaitUntil([&] { return RowCount(other) == 9; });
        auto expected = gomiRows;
        const auto pasted = RowsOf({newPay, closed});
        expected.insert(expected.begin() + 2, pasted.begin(), pasted.end());
        EXPECT_EQ(ListRows(other), expected);
        EXPECT_EQ(Selected(other), (std::vector<int>{2, 3}));
        // In front of this editor's window, which covers it, for the screenshot.
        SetWindowPos(other, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Sleep(300);
        SaveScreenshot(other, "session_other_after_paste");
        SetWindowPos(other, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PostMessageA(other, WM_COMMAND, IDC_SAVE, 0);
        EXPECT_TRUE(AnswerFileDialogOf(editor.Id(), full + "gomi.kmb"));
        WaitUntil([&] { return ItemText(other, IDC_MODIFIED).empty(); });
        EXPECT_EQ(ItemText(other, IDC_MODIFIED), "");
    });
    // 削除 of row 3, answered はい; 全て はい is off for one row.
    script.OnMain([](HWND main) {
        ClickRow(main, 3);
        Press(main, IDC_DELETE);
    });
    script.OnDialog([](HWND confirm) {
        EXPECT_EQ(ItemText(confirm, IDC_CONFIRM_TEXT), "［夏の賞与］を削除します。");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(confirm, IDC_ALL_YES)));
        Press(confirm, IDYES);
    });
    expectRows(RowsOf({newPay, pay, closed, winter2}), {3}, "deleted");
    script.OnMain([](HWND main) { Press(main, IDC_SAVE); });
    script.AnswerFileDialog(full + "payday.kmb");
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());

    PostMessageA(other, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitEnd(10000));

    EXPECT_EQ(KoyomiLines("dump " + dir + "/payday.kmb"), Utf8({
                                                              "00 25 0 00 1803 新給料日",
                                                              "00 25 0 00 1803 給料日",
                                                              "A0 25 0 00 0200 創立記念日",
                                                              "C0 11 0 00 0800 冬の賞与",
                                                          }));
    EXPECT_EQ(KoyomiLines("dump " + dir + "/gomi.kmb"),
              Utf8({
                  "00 0 0 03 0001 燃えるゴミ",
                  "00 0 0 06 0001 燃えるゴミ",
                  "00 25 0 00 1803 新給料日",
                  "A0 25 0 00 0200 創立記念日",
                  "00 0 0 04 0012 びん・缶（奇数週）",
                  "00 0 0 04 0002 ペットボトル（偶数週）",
                  "00 0 0 02 0043 プラスチック資源（第２月曜日）",
                  "00 0 0 02 0083 プラスチック資源（第４月曜日）",
                  "00 0 0 05 0023 粗大ゴミ 受付日（第１木曜日）",
              }));

    // A 2027 calendar: 1/25 a Monday; 4/25 a Sunday (4/26 a working Monday); 9/25 and 12/25
    // Saturdays (the 26th a Sunday, so the Friday before); 10/25 a Monday but the firm's day
    // off, and the 26th a working Tuesday.
    const struct {
        const char* date;
        const char* header;
        std::vector<const char*> names;
    } days[] = {
        {"2027-01-25", "2027/01/25 月曜日", {"新給料日", "給料日"}},
        {"2027-04-25", "2027/04/25 日曜日", {}},
        {"2027-04-26", "2027/04/26 月曜日", {"新給料日", "給料日"}},
        {"2027-09-24", "2027/09/24 金曜日", {"新給料日", "給料日"}},
        {"2027-09-25", "2027/09/25 土曜日", {}},
        {"2027-10-25", "2027/10/25 月曜日", {"創立記念日"}},
        {"2027-10-26", "2027/10/26 火曜日", {"新給料日", "給料日"}},
        {"2027-12-24", "2027/12/24 金曜日", {"新給料日", "給料日"}},
    };
    for (const auto& d : days) {
        std::vector<std::string> expected = {ToUtf8(std::string("今日は、") + d.header + "です。"),
                                             ""};
        for (const char* name : d.names)
            expected.push_back(ToUtf8(name));
        if (d.names.empty())
            expected.push_back(ToUtf8("なし"));
        EXPECT_EQ(KoyomiLines(std::string("--date ") + d.date + " " + dir + "/payday.kmb " + dir +
                              "/holidays-2027.kmb"),
                  expected);
    }
}
