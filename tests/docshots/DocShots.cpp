// The guide's pictures, taken of the real programs: koyomihost's chip window with the shipped
// plug-in and the examples' chip text, and KmbTool.exe with the examples open, each driven to
// the state a picture shows and saved as screenshots/NAME.png. The edit dialog, whose preview
// line shows days from today on, is taken of the editor's own windows run here with the clock
// set, so that its pictures stay the same. scripts/screenshots runs it; it is no test of
// ctest's.
#include "EditorGuiUtil.h"
#include "RemoteMemory.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "editor/Resource.h"
#include "platform/Clock.h"
#include "plugin/Resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace {
// The folder the native build made the examples in, and where the guide has the user keep them.
std::string g_examples;
const std::string kHome = "C:\\Koyomiru\\sample";
// The chip shows this day rather than today, so that the pictures stay the same: a payday
// that is also a day of 燃えるゴミ.
const SYSTEMTIME kShownDate = MakeDate(2026, 12, 25);

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The data files and the chip text, copied to the user's folder: its path is what the
// editor shows.
void CopyExamples() {
    CreateDirectoryA("C:\\Koyomiru", nullptr);
    CreateDirectoryA(kHome.c_str(), nullptr);
    for (const std::string& old : FilesIn(kHome))
        DeleteFileA(old.c_str());
    int copied = 0;
    for (const std::string& file : FilesIn(g_examples)) {
        if (!EndsWith(file, ".kmb") && !EndsWith(file, "\\chip.txt"))
            continue;
        const std::string leaf = file.substr(file.rfind('\\') + 1);
        EXPECT_TRUE(CopyFileA(file.c_str(), (kHome + "\\" + leaf).c_str(), FALSE)) << file;
        ++copied;
    }
    ASSERT_GT(copied, 1) << "no examples in " << g_examples;
}

// A top-level window of the process that is gone or hidden, waited for up to 10 s.
bool WaitGone(HWND window) {
    WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); });
    return !IsWindow(window) || !IsWindowVisible(window);
}

// The window painted afresh, all of it in order, then saved: what changed last may have
// been painted over its neighbours.
void Shoot(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    Sleep(600);
    EXPECT_TRUE(SaveScreenshot(window, name)) << name;
}

// The popup menus on screen (class #32768), each level its own window.
BOOL CALLBACK AddMenu(HWND w, LPARAM lp) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (IsWindowVisible(w) && std::string(cls) == "#32768")
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

std::vector<HWND> Menus() {
    std::vector<HWND> menus;
    EnumWindows(AddMenu, reinterpret_cast<LPARAM>(&menus));
    return menus;
}

// The chip window's menu, opened by a right click at (x, y) of its client area, then walked
// with these keys as the user presses them.
bool ChipMenu(HWND chip, int x, int y, std::initializer_list<WPARAM> keys) {
    PostMessageA(chip, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
    WaitUntil([] { return !Menus().empty(); });
    if (Menus().empty())
        return false;
    Sleep(300);
    for (WPARAM key : keys) {
        const std::vector<HWND> menus = Menus();
        if (menus.empty())
            return false;
        PostMessageA(menus.front(), WM_KEYDOWN, key, 0);
        Sleep(200);
    }
    return true;
}

void CloseMenus() {
    for (int i = 0; i < 4 && !Menus().empty(); ++i) {
        PostMessageA(Menus().front(), WM_KEYDOWN, VK_ESCAPE, 0);
        Sleep(200);
    }
}

void SetPickerDate(HWND dialog, const SYSTEMTIME& date) {
    HWND picker = GetDlgItem(dialog, IDC_DATE_PICKER);
    CRemoteMemory memory(picker, sizeof date);
    ASSERT_TRUE(memory.Put(&date, sizeof date));
    SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(memory.At(0)));
}

// koyomihost's chip window for a chip text of the user's folder, or null.
HWND ChipWindow(const CProgram& host) {
    HWND chip = nullptr;
    if (host.Started())
        WaitUntil([&] { return (chip = FindWindowA("KoyomiruChipWindow", nullptr)) != nullptr; });
    Sleep(500);
    return chip;
}

// Picks a date with the chip menu's 日付指定, the dialog shot as `shot` when named.
void PickDate(const CProgram& host, HWND chip, const SYSTEMTIME& date,
              const std::string& shot = "") {
    // Koyomiru's own items are the third item's submenu: 日付指定 is its second.
    ASSERT_TRUE(ChipMenu(chip, 60, 40, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}));
    HWND dialog = WaitForWindow(host.Id(), "日付指定");
    ASSERT_NE(dialog, nullptr);
    SetPickerDate(dialog, date);
    if (!shot.empty())
        Shoot(dialog, shot);
    Press(dialog, IDOK);
    EXPECT_TRUE(WaitGone(dialog));
}

CProgram Host(const std::string& chipFile) {
    return CProgram("\"" + BinPath("koyomihost.exe") + "\" --window \"" + BinPath("Koyomiru.dxl") +
                        "\" " + chipFile,
                    kHome);
}
} // namespace

TEST(GuidePictures, ChipWindowItsMenuAndDialogs) {
    CopyExamples();
    CProgram host = Host("chip.txt");
    HWND chip = ChipWindow(host);
    ASSERT_NE(chip, nullptr);
    PickDate(host, chip, kShownDate, "date-dialog");
    Shoot(chip, "chip");

    // The menu with Koyomiru's submenu open, in one picture with the chip.
    ASSERT_TRUE(ChipMenu(chip, 60, 40, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}));
    Sleep(400);
    RECT area;
    GetWindowRect(chip, &area);
    const std::vector<HWND> menus = Menus();
    EXPECT_EQ(menus.size(), 2u);
    for (HWND menu : menus) {
        RECT r;
        GetWindowRect(menu, &r);
        UnionRect(&area, &area, &r);
    }
    EXPECT_TRUE(SaveScreenRect(area, "chip-menu"));
    CloseMenus();

    // The helper the host opens for 小片の文字列を編集..., its first item.
    ASSERT_TRUE(ChipMenu(chip, 60, 40, {VK_DOWN, VK_RETURN}));
    HWND helper = WaitForWindow(host.Id(), "Koyomiru Helper");
    ASSERT_NE(helper, nullptr);
    Shoot(helper, "helper");
    Press(helper, IDCANCEL);
    EXPECT_TRUE(WaitGone(helper));
    PostMessageA(chip, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.WaitEnd(10000));
}

// Lines asking for days of notice, on a Tuesday whose next days hold entries: 明日 and 3日後.
TEST(GuidePictures, ChipWithNoticeLines) {
    CopyExamples();
    WriteBytes(kHome + "\\notice.txt", "holidays-%year%.kmb\r\npayday.kmb*3\r\ngomi.kmb*1\r\n");
    CProgram host = Host("notice.txt");
    HWND chip = ChipWindow(host);
    ASSERT_NE(chip, nullptr);
    PickDate(host, chip, MakeDate(2026, 12, 22));
    Shoot(chip, "chip-notice");
    PostMessageA(chip, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.WaitEnd(10000));
}

namespace {
// The editor with a file of the user's folder open through its open dialog.
void OpenFile(const CProgram& editor, HWND main, const std::string& leaf, int rows) {
    PostMessageA(main, WM_COMMAND, IDC_OPEN, 0);
    ASSERT_TRUE(AnswerFileDialogOf(editor.Id(), kHome + "\\" + leaf));
    WaitUntil([&] { return RowCount(main) == rows; });
    ASSERT_EQ(RowCount(main), rows) << leaf;
}

} // namespace

TEST(GuidePictures, EditorWindowAndDialogs) {
    CopyExamples();
    CProgram editor("\"" + BinPath("KmbTool.exe") + "\"", kHome);
    ASSERT_TRUE(editor.Started());
    HWND main = WaitForWindow(editor.Id(), "KmbTool");
    ASSERT_NE(main, nullptr);

    // gomi.kmb: every week, odd and even weeks, the n-th weekday of the month.
    OpenFile(editor, main, "gomi.kmb", 7);
    ClickRow(main, 0);
    Shoot(main, "editor-main");

    Press(main, IDC_FIND);
    HWND find = WaitForWindow(editor.Id(), "KmbTool 日付名称の検索");
    ASSERT_NE(find, nullptr);
    SetDlgItemTextA(find, IDC_FIND_TEXT, "資源");
    Shoot(find, "find");
    Press(find, IDC_FIND_CLOSE);
    EXPECT_TRUE(WaitGone(find));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitEnd(10000));
}

TEST(GuidePictures, EditDialogWithItsNextDays) {
    CopyExamples();
    SetClockOverride(&kShownDate);
    CEditorScript script;
    // Each file opened, its first row edited: the dialog shot, then cancelled.
    // 燃えるゴミ, every Tuesday; 給料日 on the 25th, moved in the payday manner.
    const struct {
        const char* file;
        const char* name;
    } shots[] = {{"gomi.kmb", "edit-weekly"}, {"payday.kmb", "edit-payday"}};
    for (const auto& shot : shots) {
        const std::string file = shot.file, name = shot.name;
        script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
        script.AnswerFileDialog(kHome + "\\" + file);
        script.OnMain([](HWND main) {
            ClickRow(main, 0);
            Press(main, IDC_EDIT);
        });
        script.OnDialog([name](HWND dialog) {
            Shoot(dialog, name);
            Press(dialog, IDCANCEL);
        });
    }
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    SetClockOverride(nullptr);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 2) {
        std::fputs("usage: docshots [EXAMPLES_DIR]\n"
                   "  the examples' .kmb files and chip.txt (default: build/native/examples);\n"
                   "  writes screenshots\\NAME.png in the current folder\n",
                   stderr);
        return 2;
    }
    g_examples = argc == 2 ? argv[1] : SourcePath("build/native/examples");
    return RUN_ALL_TESTS();
}
