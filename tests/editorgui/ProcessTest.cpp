// The real KmbTool.exe: started as a program, two at once, one with a file to open; rows
// copied in one editor and pasted into another.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "editor/Resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

TEST(KmbToolProgram, TwoEditorsRunSideBySide) {
    const std::string dir = FreshDir("program");
    // Two entries in the binary format: a day and a period.
    const std::string kmb = std::string("\x00\x00\x02\x00\x02\x00\x00\x00", 8) +
                            std::string("\x10\x01\x00\x00\x00\x00\x04\x00", 8) + "元日" +
                            std::string("\x1C\x01\x1F\x00\x08\x00\x04\x00", 8) + "毎日";
    MakeDir(dir + "/予定 表");
    WriteBytes(dir + "/予定 表/ソ.kmb", kmb);
    // The second is started as the shell starts a program for a double-click: the file quoted,
    // with Japanese and a space (表 and ソ end in 0x5C), relative to the folder it starts in.
    const CProgram first(BinPath("KmbTool.exe")),
        second("\"" + BinPath("KmbTool.exe") + "\" \"予定 表\\ソ.kmb\" other.kmb",
               WorkDir() + "tmp_program");
    const CProgram* editor[2] = {&first, &second};
    HWND main[2] = {};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(editor[i]->Started());
        main[i] = WaitForWindow(editor[i]->Id(), "KmbTool");
        ASSERT_NE(main[i], nullptr);
    }
    EXPECT_NE(main[0], main[1]);
    // The first opens the file through its open dialog.
    EXPECT_EQ(RowCount(main[0]), 0);
    PostMessageA(main[0], WM_COMMAND, IDC_OPEN, 0);
    HWND open = WaitForWindow(first.Id(), nullptr);
    ASSERT_NE(open, nullptr);
    const std::string path = WorkDir() + "tmp_program\\予定 表\\ソ.kmb";
    SendDlgItemMessageA(open, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && RowCount(main[0]) != 2; ++i)
        Sleep(50);
    EXPECT_EQ(RowCount(main[0]), 2);
    EXPECT_EQ(RowCount(main[1]), 2);
    char text[MAX_PATH] = {};
    GetDlgItemTextA(main[0], IDC_PATH, text, sizeof text);
    EXPECT_EQ(std::string(text), path);
    GetDlgItemTextA(main[1], IDC_PATH, text, sizeof text);
    EXPECT_EQ(std::string(text), path);
    // Nothing modified: each closes at once and its program ends.
    for (int i = 1; i >= 0; --i) {
        PostMessageA(main[i], WM_CLOSE, 0, 0);
        EXPECT_TRUE(editor[i]->WaitEnd(10000));
        EXPECT_EQ(editor[i]->ExitCode(), 0u);
    }
}

namespace {
void PostClick(HWND list, int x, int y) {
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
} // namespace

TEST(KmbToolProgram, RowsCopiedHerePasteIntoARunningEditor) {
    const std::string dir = FreshDir("paste");
    const std::string full = WorkDir() + "tmp_paste\\";
    CKmdDataFile five, two;
    const char* names[] = {"Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ"};
    for (unsigned i = 0; i < 5; ++i)
        five.Add(RawEntry(1 << 4, i + 1, 0, 0, 0, names[i]));
    two.Add(RawEntry(2 << 4, 3, 0, 0, 0, "節分"));
    two.Add(RawEntry(0, 0, 0, 1, 1 /* every Sunday */, "日曜"));
    ASSERT_TRUE(five.Write((dir + "/five.kmb").c_str()));
    ASSERT_TRUE(two.Write((dir + "/two.kmb").c_str()));

    // The other editor: a program of its own with two.kmb open and row 0 clicked.
    const CProgram editor(BinPath("KmbTool.exe"));
    ASSERT_TRUE(editor.Started());
    HWND other = WaitForWindow(editor.Id(), "KmbTool");
    ASSERT_NE(other, nullptr);
    HWND otherList = GetDlgItem(other, IDC_ENTRY_LIST);
    PostMessageA(other, WM_COMMAND, IDC_OPEN, 0);
    ASSERT_TRUE(AnswerFileDialogOf(editor.Id(), full + "two.kmb"));
    WaitUntil([&] { return RowCount(other) == 2; });
    ASSERT_EQ(RowCount(other), 2);
    RECT header = {};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(otherList, LVM_GETHEADER, 0, 0)), &header);
    PostClick(otherList, 40, header.bottom - header.top + 5);
    WaitUntil([&] { return IsWindowEnabled(GetDlgItem(other, IDC_PASTE)) != FALSE; });

    // Here: rows 1 and 3 (Ｂ, Ｄ) copied with Ctrl+C.
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(full + "five.kmb");
    script.OnMain([](HWND main) {
        ClickRow(main, 1);
        ClickRow(main, 3, true);
    });
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST); }, 'C', true);
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());

    // There: 貼付 puts them in front of row 0; then it saves and ends.
    PostMessageA(other, WM_COMMAND, MAKEWPARAM(IDC_PASTE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(other, IDC_PASTE)));
    WaitUntil([&] { return RowCount(other) == 4; });
    EXPECT_EQ(RowCount(other), 4);
    PostMessageA(other, WM_COMMAND, IDC_SAVE, 0);
    ASSERT_TRUE(AnswerFileDialogOf(editor.Id(), full + "pasted.kmb"));
    WaitUntil([&] { return Exists(dir + "/pasted.kmb"); });
    Sleep(300);
    PostMessageA(other, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitEnd(10000));

    CKmdDataFile expected;
    CKmdDate e;
    for (unsigned i : {1u, 3u}) {
        five.GetAt(i, e);
        expected.Add(e);
    }
    for (unsigned i : {0u, 1u}) {
        two.GetAt(i, e);
        expected.Add(e);
    }
    ASSERT_TRUE(expected.Write((dir + "/expected.kmb").c_str()));
    EXPECT_EQ(ReadBytes(dir + "/pasted.kmb"), ReadBytes(dir + "/expected.kmb"));
}
