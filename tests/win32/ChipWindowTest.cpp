// koyomihost's chip window: shown with the plug-in's text, closed by the test.
#include "tools/koyomihost/ChipWindow.h"
#include "TestUtil.h"
#include "Win32TestUtil.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {
std::string WindowCommand(const std::string& chipFile) {
    return "\"" + BinPath("koyomihost.exe") + "\" --window \"" + BinPath("Koyomiru.dxl") + "\" " +
           chipFile;
}

// The first window of the class within ten seconds, or null.
HWND WaitForClass(const char* windowClass) {
    HWND window = nullptr;
    for (int i = 0; i < 200 && !window; ++i) {
        Sleep(50);
        window = FindWindowA(windowClass, nullptr);
    }
    return window;
}
} // namespace

TEST(ChipWindow, ShowsThePluginsTextAndCloses) {
    const std::string dir = FreshDir("window");
    WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("燃えるごみの日"), EveryDay("給料日")}));
    WriteBytes(dir + "/chip.txt", dir + "/a.kmb");
    const CProgram host(WindowCommand(dir + "/chip.txt"));
    ASSERT_TRUE(host.Started());
    HWND window = WaitForClass(CHIP_WINDOW_CLASS);
    ASSERT_NE(window, nullptr);
    Sleep(500);
    EXPECT_TRUE(SaveScreenshot(window, "chip_window"));
    // The menu on a right click: the host's items and the plug-in's own as a submenu,
    // opened from the keyboard for the picture.
    PostMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    Sleep(700);
    if (HWND menu = FindWindowA("#32768", nullptr)) {
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}) {
            PostMessageA(menu, WM_KEYDOWN, key, 0);
            Sleep(150);
        }
        Sleep(500);
        RECT shot;
        GetWindowRect(window, &shot);
        shot.bottom += 120;
        shot.right += 160;
        SaveScreenRect(shot, "chip_menu");
        for (int i = 0; i < 2; ++i) {
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            Sleep(200);
        }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.WaitEnd(10000));
    EXPECT_EQ(host.ExitCode(), 0u);
}

namespace {
std::string Shown(HWND window) {
    char text[2048] = "";
    GetDlgItemTextA(window, CHIP_TEXT_ID, text, sizeof text);
    return text;
}

// Waits until the window shows `part`; what it shows then.
std::string WaitShown(HWND window, const std::string& part) {
    for (int i = 0; i < 100 && Shown(window).find(part) == std::string::npos; ++i)
        Sleep(50);
    return Shown(window);
}
} // namespace

// The chip file changed behind the window (saved as Notepad saves, UTF-8 with a mark): 更新 in
// the menu and F5 read it again, and a line that names nothing is listed under the chip.
TEST(ChipWindow, UpdateReadsTheChangedChipFile) {
    const std::string dir = FreshDir("window_reload");
    WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("燃えるごみの日")}));
    WriteBytes(dir + "/b.kmb", KmbBytes({EveryDay("給料日")}));
    WriteBytes(dir + "/chip.txt", dir + "/a.kmb");
    const CProgram host(WindowCommand(dir + "/chip.txt"));
    ASSERT_TRUE(host.Started());
    HWND window = WaitForClass(CHIP_WINDOW_CLASS);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(WaitShown(window, "燃えるごみの日").find("燃えるごみの日"), std::string::npos);

    WriteBytes(dir + "/chip.txt",
               "\xEF\xBB\xBF" + Cp932ToUtf8(dir + "/b.kmb\r\n" + dir + "/無い.kmb\r\n"));
    PostMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    HWND menu = WaitForClass("#32768");
    ASSERT_NE(menu, nullptr);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) { // 更新, the second item
        PostMessageA(menu, WM_KEYDOWN, key, 0);
        Sleep(150);
    }
    const std::string updated = WaitShown(window, "給料日");
    EXPECT_NE(updated.find("給料日"), std::string::npos) << updated;
    EXPECT_EQ(updated.find("燃えるごみの日"), std::string::npos) << updated;
    EXPECT_NE(updated.find("無い.kmb"), std::string::npos) << updated;

    WriteBytes(dir + "/chip.txt", dir + "/a.kmb");
    PostMessageA(window, WM_KEYDOWN, VK_F5, 0);
    const std::string again = WaitShown(window, "燃えるごみの日");
    EXPECT_NE(again.find("燃えるごみの日"), std::string::npos) << again;
    EXPECT_EQ(again.find("無い.kmb"), std::string::npos) << again;
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(host.WaitEnd(10000));
}
