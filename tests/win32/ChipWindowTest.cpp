// koyomihost's chip window: shown with the plug-in's text, closed by the test.
#include "TestUtil.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

TEST(ChipWindow, ShowsThePluginsTextAndCloses) {
    const std::string dir = FreshDir("window");
    WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("燃えるごみの日"), EveryDay("給料日")}));
    WriteBytes(dir + "/chip.txt", dir + "/a.kmb");
    const std::string cmd = "\"" + BinPath("koyomihost.exe") + "\" --window \"" +
                            BinPath("Koyomiru.dxl") + "\" " + dir + "/chip.txt";
    const CProgram host(cmd);
    ASSERT_TRUE(host.Started());
    HWND window = nullptr;
    for (int i = 0; i < 200 && !window; ++i) {
        Sleep(50);
        window = FindWindowA("KoyomiruChipWindow", nullptr);
    }
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
