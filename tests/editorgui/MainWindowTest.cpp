// The real main window in this process: its template, open, save and close through the real
// file dialogs and message boxes, the About box, and the keys.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "calendar/RowText.h"
#include "editor/Resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

namespace {
HWND Child(HWND main, int id) {
    return GetDlgItem(main, id);
}

LONG Style(HWND w) {
    return GetWindowLongA(w, GWL_STYLE);
}

std::string Joined(const std::vector<std::string>& row) {
    std::string s;
    for (std::size_t c = 0; c < row.size(); ++c)
        s += (c ? "\t" : "") + ToUtf8(row[c]);
    return s;
}

struct Control {
    int id;
    const char* text;
    int x, y, w, h;
    bool enabled;
};

// The controls in tab order with their start states.
const Control kControls[] = {
    {IDC_ENTRY_LIST, "", 7, 23, 481, 270, true},
    {IDC_OPEN, "ファイルを開く", 7, 300, 50, 14, true},
    {IDC_CLEAR_ALL, "全削除", 64, 300, 28, 14, false},
    {IDC_ADD, "追加", 92, 300, 28, 14, true},
    {IDC_INSERT, "挿入", 120, 300, 28, 14, false},
    {IDC_EDIT, "編集", 148, 300, 28, 14, false},
    {IDC_DELETE, "削除", 176, 300, 28, 14, false},
    {IDC_COPY, "コピー", 204, 300, 28, 14, false},
    {IDC_PASTE, "貼付", 232, 300, 28, 14, false},
    {IDC_FIND, "検索", 266, 300, 28, 14, false},
    {IDC_MOVE_TOP, "先頭へ", 300, 300, 28, 14, false},
    {IDC_MOVE_UP, "上へ", 328, 300, 28, 14, false},
    {IDC_MOVE_DOWN, "下へ", 356, 300, 28, 14, false},
    {IDC_MOVE_BOTTOM, "末尾へ", 384, 300, 28, 14, false},
    {IDC_SAVE, "ファイルを保存", 438, 300, 50, 14, false},
};

const struct {
    int format;
    int width;
} kColumns[13] = {{LVCFMT_LEFT, 225},  {LVCFMT_LEFT, 60},   {LVCFMT_CENTER, 42},
                  {LVCFMT_CENTER, 36}, {LVCFMT_LEFT, 80},   {LVCFMT_LEFT, 65},
                  {LVCFMT_CENTER, 36}, {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48},
                  {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48},
                  {LVCFMT_CENTER, 36}};

void CheckTemplate(HWND main) {
    EXPECT_EQ(WindowText(main), "KmbTool");
    const SIZE size = DialogUnits(main);
    EXPECT_NEAR(size.cx, 495, 1);
    EXPECT_NEAR(size.cy, 321, 1);
    const LONG style = Style(main);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // Tab order is the order of the children; no push button is a default one.
    HWND child = GetWindow(main, GW_CHILD);
    for (const Control& c : kControls) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), c.id);
        if (c.id != IDC_ENTRY_LIST) {
            EXPECT_EQ(ItemText(main, c.id), c.text);
            EXPECT_EQ(Style(child) & BS_TYPEMASK, BS_PUSHBUTTON) << c.id;
        }
        ExpectUnits(main, c.id, c.x, c.y, c.w, c.h);
        EXPECT_EQ(IsWindowEnabled(child) != FALSE, c.enabled) << c.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    ExpectUnits(main, IDC_PATH, 35, 9, 418, 10);
    ExpectUnits(main, IDC_MODIFIED, 456, 7, 32, 13);
    EXPECT_EQ(ItemText(main, IDC_PATH), "新規ファイル");
    EXPECT_EQ(ItemText(main, IDC_MODIFIED), "");
    EXPECT_EQ(Style(Child(main, IDC_MODIFIED)) & SS_TYPEMASK, SS_CENTER);
    EXPECT_TRUE(Style(Child(main, IDC_MODIFIED)) & SS_SUNKEN);

    HWND list = Child(main, IDC_ENTRY_LIST);
    const LONG ls = Style(list);
    EXPECT_EQ(ls & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(ls & LVS_SHOWSELALWAYS);
    EXPECT_TRUE(ls & LVS_NOSORTHEADER);
    EXPECT_FALSE(ls & LVS_SINGLESEL);
    // The list view draws its border as a client edge.
    EXPECT_TRUE((ls & WS_BORDER) || (GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_TRUE(ls & WS_TABSTOP);
    EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 13; ++i) {
        char text[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, RowColumnHeading(i));
        EXPECT_EQ(column.cx, kColumns[i].width) << i;
        // Column 0 is always left-aligned in a list view.
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, kColumns[i].format) << i;
    }
    EXPECT_FALSE(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));

    // The system menu ends with a separator and the About item.
    HMENU menu = GetSystemMenu(main, FALSE);
    const int n = GetMenuItemCount(menu);
    ASSERT_GE(n, 2);
    EXPECT_EQ(GetMenuItemID(menu, n - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char item[128] = {};
    GetMenuStringA(menu, n - 1, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ(item, "KmbTool のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_TRUE(GetMenuState(menu, n - 2, MF_BYPOSITION) & MF_SEPARATOR);

    EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(main, WM_QUERYDRAGICON, 0, 0), 0);
}

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshDir("editor");
        full = WorkDir() + "tmp_editor\\";
        kmd = MakeHolidays2027(dir);
    }
    std::string dir, full, kmd;
};
} // namespace

TEST_F(EditorWindow, StartsAsTheTableSaysAndEndsWithEsc) {
    CEditorScript script;
    script.OnMain([](HWND main) { CheckTemplate(main); });
    // Enter off the push buttons does nothing; the window stays.
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST); }, VK_RETURN);
    // On a push button, Enter presses it.
    script.OnMain([](HWND main) {
        EXPECT_TRUE(IsWindowVisible(main));
        SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(main, IDC_OPEN)),
                     TRUE);
    });
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_OPEN); }, VK_RETURN);
    script.AnswerFileDialog("");
    // Esc with nothing modified closes at once.
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST); }, VK_ESCAPE);
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(FindMainWindow(), nullptr);
}

TEST_F(EditorWindow, OpensLegacyAndBinaryFilesSavesAndCloses) {
    const std::string kmdPath = full + "holidays-2027.kmd";
    const std::string target = full + "saved.kmb";
    WriteBytes(dir + "/saved.kmb", "old bytes");
    const auto expected = ExpectedRows(kmd, true);
    ASSERT_GT(expected.size(), 10u);
    std::string proposed, pathAfterSave;
    std::vector<std::vector<std::string>> legacyRows, binaryRows;

    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(kmdPath);
    script.OnMain([&](HWND main) {
        legacyRows = ListRows(main);
        EXPECT_EQ(ItemText(main, IDC_PATH), kmdPath);
        EXPECT_EQ(ItemText(main, IDC_MODIFIED), "");
        for (int id : {IDC_OPEN, IDC_SAVE, IDC_ADD, IDC_CLEAR_ALL, IDC_COPY, IDC_PASTE, IDC_FIND})
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, id))) << id;
        for (int id : {IDC_INSERT, IDC_EDIT, IDC_DELETE, IDC_MOVE_TOP, IDC_MOVE_BOTTOM})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, id))) << id;
        Pump(300);
        SaveScreenshot(main, "main_holidays_2027");
        Press(main, IDC_SAVE);
    });
    script.AnswerFileDialog(target, &proposed);
    script.AnswerOverwrite();
    script.OnMain([&](HWND main) {
        pathAfterSave = ItemText(main, IDC_PATH);
        Press(main, IDC_OPEN);
    });
    script.AnswerFileDialog(target);
    script.OnMain([&](HWND main) {
        binaryRows = ListRows(main);
        PostMessageA(main, WM_CLOSE, 0, 0);
    });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());

    EXPECT_EQ(legacyRows, expected);
    EXPECT_EQ(binaryRows, expected);
    // The rows read as `koyomi list` renders the file.
    const auto listed = KoyomiLines("list " + kmd);
    ASSERT_EQ(listed.size(), legacyRows.size() + 1);
    for (std::size_t i = 0; i < legacyRows.size(); ++i)
        EXPECT_EQ(Joined(legacyRows[i]), listed[i + 1]) << i;
    // A legacy name is proposed with the binary extension.
    EXPECT_EQ(proposed, "holidays-2027.kmb");
    EXPECT_EQ(pathAfterSave, target);
    // The bytes `koyomi convert` writes; the file that was there is the backup.
    ASSERT_EQ(RunProcess(BinPath("koyomi.exe") + " convert " + kmd + " " + dir + "/conv.kmb",
                         "convert.txt"),
              0);
    EXPECT_EQ(ReadBytes(dir + "/saved.kmb"), ReadBytes(dir + "/conv.kmb"));
    EXPECT_EQ(ReadBytes(dir + "/saved.bak"), "old bytes");
}

TEST_F(EditorWindow, OpenFailureAndCancelLeaveEverythingAsItWas) {
    WriteBytes(dir + "/bad.kmb", "not a data file");
    std::vector<std::vector<std::string>> rows;
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog("");
    script.OnMain([](HWND main) {
        EXPECT_EQ(ItemText(main, IDC_PATH), "新規ファイル");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_OPEN)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_SAVE)));
        Press(main, IDC_OPEN);
    });
    script.AnswerFileDialog(full + "bad.kmb");
    script.AnswerBox("ファイルの読込に失敗しました。\n", IDOK, "stop_box");
    script.OnMain([&](HWND main) {
        rows = ListRows(main);
        EXPECT_EQ(ItemText(main, IDC_PATH), "新規ファイル");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(main, IDC_SAVE)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_OPEN)));
        PostMessageA(main, WM_CLOSE, 0, 0);
    });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_EQ(script.BoxKinds(), "S");
    EXPECT_TRUE(rows.empty());
}

TEST_F(EditorWindow, ModifiedFileAsksOnOpenAndClose) {
    std::string modified;
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(full + "holidays-2027.kmd");
    // A deleted row makes the file modified.
    script.OnMain([](HWND main) {
        ClickRow(main, 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_DELETE)));
        Press(main, IDC_DELETE);
    });
    script.OnDialog([](HWND confirm) { Press(confirm, IDYES); });
    script.OnMain([&](HWND main) {
        modified = ItemText(main, IDC_MODIFIED);
        Pump(300);
        SaveScreenshot(main, "main_modified");
        Press(main, IDC_OPEN);
    });
    script.AnswerBox(kDiscard, IDNO);
    script.AnswerBox("読込を中止します。", IDOK);
    script.OnMain([](HWND main) {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_OPEN)));
        PostMessageA(main, WM_CLOSE, 0, 0);
    });
    script.AnswerBox(kDiscard, IDNO);
    script.AnswerBox("終了を中止します。", IDOK);
    // Esc is the close command too; this time the changes are dropped.
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST); }, VK_ESCAPE);
    script.AnswerBox(kDiscard, IDYES);
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(modified, "変更あり");
    EXPECT_EQ(script.BoxKinds(), "QNQNQ");
    EXPECT_EQ(FindMainWindow(), nullptr);
}

TEST_F(EditorWindow, AboutBoxFromTheSystemMenu) {
    CEditorScript script;
    script.OnMain([](HWND main) { PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); });
    script.OnDialog([](HWND about) {
        EXPECT_EQ(WindowText(about), "KmbToolのﾊﾞｰｼﾞｮﾝ情報");
        const SIZE size = DialogUnits(about);
        EXPECT_NEAR(size.cx, 235, 1);
        EXPECT_NEAR(size.cy, 55, 1);
        ExpectUnits(about, IDOK, 178, 7, 50, 14);
        EXPECT_EQ(Style(GetDlgItem(about, IDOK)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        Pump(200);
        SaveScreenshot(about, "about_box");
        Press(about, IDOK);
    });
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
}

// A save after a failed one writes its file and backup, whatever folder is current; and a
// command that disables the focused button hands the focus to the list, so that the keys
// keep working.
TEST_F(EditorWindow, SavesAfterAFailedSaveAndKeepsTheKeyboardAfterClearingAll) {
    // The first save fails: a folder holds the backup's name.
    WriteBytes(dir + "/first.kmb", "first");
    FreshDir("editor/first.bak");
    WriteBytes(dir + "/after.kmb", "old bytes");
    const std::string target = full + "after.kmb";
    std::string modifiedAfterSave, pathAfterSave;
    std::vector<std::vector<std::string>> rows;
    HWND focus = nullptr, list = nullptr;

    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_ADD); });
    script.AnswerEntryEdit(
        {Type(IDC_NAME, "燃えるゴミ"), Select(IDC_TYPE, 1), Select(IDC_WEEKDAY, 2)}, IDOK);
    script.OnMain([&](HWND main) {
        rows = ListRows(main);
        list = GetDlgItem(main, IDC_ENTRY_LIST);
        Press(main, IDC_SAVE);
    });
    script.AnswerFileDialog(full + "first.kmb");
    script.AnswerOverwrite();
    script.AnswerBox("ファイルの保存に失敗しました。\n", IDOK);
    script.OnMain([](HWND main) { Press(main, IDC_SAVE); });
    // The dialog leaves a folder current, after a failed save perhaps one that takes no file.
    // Wine's dialog cannot go into sysfs, which takes none whoever runs the test: the test
    // makes a folder of it current once the dialog has its answer.
    script.OnDialog([&](HWND d) {
        SetDlgItemTextA(d, 0x47C, target.c_str());
        Press(d, IDOK);
        EXPECT_TRUE(SetCurrentDirectoryA("Z:\\sys\\kernel"));
    });
    script.AnswerOverwrite();
    script.OnMain([&](HWND main) {
        modifiedAfterSave = ItemText(main, IDC_MODIFIED);
        pathAfterSave = ItemText(main, IDC_PATH);
        SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(main, IDC_CLEAR_ALL)),
                     TRUE);
    });
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_CLEAR_ALL); }, VK_RETURN);
    script.AnswerBox("全てのデータを削除します。\nよろしいですか？", IDYES);
    script.OnMain([&](HWND) { focus = GetFocus(); });
    // Esc, where the focus is, closes the window without a click.
    script.Key([] { return GetFocus() ? GetFocus() : FindMainWindow(); }, VK_ESCAPE);
    script.AnswerBox(kDiscard, IDYES);
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(script.BoxKinds(), "SQQ");

    EXPECT_EQ(modifiedAfterSave, "");
    EXPECT_EQ(pathAfterSave, target);
    EXPECT_EQ(ExpectedRows(dir + "/after.kmb", false), rows);
    EXPECT_EQ(ReadBytes(dir + "/after.bak"), "old bytes");
    // No temporary file left beside the targets.
    EXPECT_EQ(FilesIn(dir),
              (std::vector<std::string>{dir + "\\after.bak", dir + "\\after.kmb",
                                        dir + "\\first.kmb", dir + "\\holidays-2027.kmd"}));
    EXPECT_EQ(focus, list);
}

namespace {
// Files dropped on the window as the shell posts them: the names each ended by a NUL, and a NUL.
void DropFiles(HWND main, const std::string& names) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 2); // zeroed
    char* at = static_cast<char*>(GlobalLock(memory));
    reinterpret_cast<DROPFILES*>(at)->pFiles = sizeof(DROPFILES);
    memcpy(at + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    PostMessageA(main, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}
} // namespace

// The first of the files dropped on the window opens; Ctrl+S (the system menu's 上書き保存)
// writes it in place with its backup and no dialog, and the window closes without a question.
TEST_F(EditorWindow, DroppedFilesOpenAndCtrlSSavesInPlace) {
    const std::vector<CKmdDate> entries = {RawEntry(0, 1, 0, 0, 0, "Ａ"), RawEntry(0, 2, 0, 0, 0)};
    WriteEntries(dir + "/drop.kmb", entries);
    const std::string was = ReadBytes(dir + "/drop.kmb");
    char item[64] = {};
    CEditorScript script;
    script.OnMain([&](HWND main) {
        GetMenuStringA(GetSystemMenu(main, FALSE), IDM_SAVE_IN_PLACE, item, 64, MF_BYCOMMAND);
        DropFiles(main, full + "drop.kmb" + '\0' + full + "holidays-2027.kmd");
    });
    script.OnMain([&](HWND main) {
        ClickRow(main, 0);
        Press(main, IDC_MOVE_DOWN);
    });
    script.Key([] { return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST); }, 'S', true);
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_STREQ(item, "上書き保存\tCtrl+S");
    EXPECT_EQ(ReadBytes(dir + "/drop.bak"), was);
    EXPECT_EQ(ExpectedRows(dir + "/drop.kmb", false), Rendered({entries[1], entries[0]}));
}
