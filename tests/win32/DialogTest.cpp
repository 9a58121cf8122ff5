// The chip menu and the plug-in's dialogs, shown for real and answered by a script.
#include "DialogDriver.h"
#include "TestUtil.h"
#include "Win32TestUtil.h"
#include "calendar/Calendar.h"
#include "plugin/ChipState.h"
#include "plugin/Resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
SYSTEMTIME PickerDate(HWND dialog) {
    SYSTEMTIME st = {};
    SendDlgItemMessageA(dialog, IDC_DATE_PICKER, DTM_GETSYSTEMTIME, 0,
                        reinterpret_cast<LPARAM>(&st));
    return st;
}

void SetPickerDate(HWND dialog, const SYSTEMTIME& date) {
    SendDlgItemMessageA(dialog, IDC_DATE_PICKER, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&date));
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

std::string Header(const SYSTEMTIME& d, const char* weekday) {
    char text[128];
    wsprintfA(text, "今日は、%04d/%02d/%02d %s曜日です。\n", d.wYear, d.wMonth, d.wDay, weekday);
    return text;
}

class PluginDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dxl.Module(), nullptr);
        dir = FreshDir("dialogs");
        WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("毎日"), OnDay(1, 11, "成人の日")}));
        WriteBytes(dir + "/b.kmb", KmbBytes({OnDay(3, 3, "ひな祭り")}));
        full = WorkDir() + "tmp_dialogs\\";
        ASSERT_EQ(dxl.InitializeChip(&state), 0);
    }
    void TearDown() override { dxl.UnInitializeChip(state); }

    CPlugin& dxl = ShippedDxl();
    std::string dir, full;
    HLOCAL state = nullptr;
};
} // namespace

TEST_F(PluginDialogs, MenuHoldsTheFourCommandsAndTwoSeparators) {
    HMENU menu = dxl.GetDrawExMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 6);
    const struct {
        UINT id;
        const char* text;
    } items[6] = {
        {10000, "今日に戻す"}, {10001, "日付指定"}, {0, ""}, {10002, "データツール起動"}, {0, ""},
        {10003, "About..."}};
    for (int i = 0; i < 6; ++i) {
        MENUITEMINFOA info = {};
        char text[64] = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        if (items[i].id == 0) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << i;
            continue;
        }
        EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING)) << i;
        EXPECT_EQ(info.wID, items[i].id);
        EXPECT_STREQ(text, items[i].text);
        EXPECT_EQ(info.fState & (MFS_DISABLED | MFS_GRAYED | MFS_CHECKED), 0u);
        EXPECT_EQ(info.hSubMenu, nullptr);
    }
    // A new menu each time, which the host owns.
    HMENU second = dxl.GetDrawExMenu();
    EXPECT_NE(second, menu);
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_TRUE(DestroyMenu(second));
}

TEST_F(PluginDialogs, FreshChipIgnoresResetAndPick) {
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10000), 0);
    SYSTEMTIME shown = {};
    {
        CDialogDriver driver;
        driver.On("日付指定", [&](HWND d) {
            shown = PickerDate(d);
            SetPickerDate(d, MakeDate(2027, 1, 11));
            Press(d, IDOK);
        });
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 0);
        EXPECT_TRUE(driver.AllDone());
    }
    // An all-zero date shows today; the picked date is dropped with no chip text.
    EXPECT_TRUE(SameDay(shown, Today()));
    EXPECT_EQ(dxl.GetMemoString(state, nullptr, 0), 0);
    for (UINT id : {0u, 9999u, 10004u, 0xFFFFFFFFu})
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, id), 0);
    EXPECT_EQ(dxl.GetMemoString(state, nullptr, 0), 0);
}

TEST_F(PluginDialogs, PickedDateRegeneratesUntilTheNextUpdate) {
    const std::string chip = dir + "/a.kmb\r\n" + dir + "/b.kmb";
    UpdateChip(dxl, state, chip.c_str());
    const std::string today = ChipText(dxl, state);
    {
        CDialogDriver driver;
        driver.On("日付指定", [&](HWND d) {
            EXPECT_TRUE(SameDay(PickerDate(d), Today()));
            const SIZE size = DialogUnits(d);
            EXPECT_NEAR(size.cx, 118, 1);
            EXPECT_NEAR(size.cy, 47, 1);
            ExpectUnits(d, IDC_DATE_PICKER, 7, 7, 104, 15);
            ExpectUnits(d, IDOK, 7, 26, 50, 14);
            ExpectUnits(d, IDCANCEL, 61, 26, 50, 14);
            EXPECT_EQ(ItemText(d, IDCANCEL), "ｷｬﾝｾﾙ");
            EXPECT_FALSE(GetWindowLongA(d, GWL_STYLE) & WS_SYSMENU);
            SetPickerDate(d, MakeDate(2027, 1, 11));
            Pump(200);
            SaveScreenshot(d, "date_dialog");
            Press(d, IDOK);
        });
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 2);
        EXPECT_TRUE(driver.AllDone());
    }
    const std::string picked = ChipText(dxl, state);
    EXPECT_EQ(picked, ExpectedText(chip, MakeDate(2027, 1, 11)));
    EXPECT_EQ(picked, Header(MakeDate(2027, 1, 11), "月") + "\r\n毎日\r\n成人の日");

    // Cancelled: the date in use is kept, and so is the text.
    {
        CDialogDriver driver;
        driver.On("日付指定", [&](HWND d) {
            EXPECT_TRUE(SameDay(PickerDate(d), MakeDate(2027, 1, 11)));
            SetPickerDate(d, MakeDate(2030, 3, 3));
            Press(d, IDCANCEL);
        });
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 0);
        EXPECT_TRUE(driver.AllDone());
    }
    EXPECT_EQ(ChipText(dxl, state), picked);
    // Back to today, by the menu and by the next update.
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10000), 2);
    EXPECT_EQ(ChipText(dxl, state), today);
    {
        CDialogDriver driver;
        driver.On("日付指定", [&](HWND d) {
            SetPickerDate(d, MakeDate(2026, 3, 3));
            Press(d, IDOK);
        });
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 2);
    }
    EXPECT_EQ(ChipText(dxl, state), Header(MakeDate(2026, 3, 3), "火") + "\r\n毎日\r\nひな祭り");
    UpdateChip(dxl, state, chip.c_str());
    EXPECT_EQ(ChipText(dxl, state), ExpectedText(chip, Today()));
}

TEST_F(PluginDialogs, PickedDateWithMissingFilesSaysNone) {
    const std::string chip = dir + "/none.kmb";
    UpdateChip(dxl, state, chip.c_str());
    CDialogDriver driver;
    driver.On("日付指定", [&](HWND d) {
        SetPickerDate(d, MakeDate(2004, 2, 29));
        Press(d, IDOK);
    });
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 2);
    EXPECT_EQ(ChipText(dxl, state), Header(MakeDate(2004, 2, 29), "日") + "\r\nなし");
}

namespace {
// Answers the open-file dialog with a path, or cancels it when the path is empty.
void AnswerOpenFile(CDialogDriver& driver, const std::string& path, bool shoot = false) {
    driver.Add([path, shoot](HWND top) {
        if (WindowText(top) == "Koyomiru Helper")
            return false; // not open yet
        if (shoot) {
            Pump(300);
            SaveScreenshot(top, "open_file_dialog");
        }
        if (path.empty()) {
            Press(top, IDCANCEL);
            return true;
        }
        // Wine's explorer-style dialog has its name field in combo box cmb13, older ones edt1.
        if (GetDlgItem(top, 0x47C))
            SetDlgItemTextA(top, 0x47C, path.c_str());
        else
            SetDlgItemTextA(top, 0x480, path.c_str());
        Press(top, IDOK);
        return true;
    });
}

void Browse(CDialogDriver& driver, const std::string& path, bool shoot = false) {
    driver.On("Koyomiru Helper", [](HWND d) { Press(d, IDC_BROWSE); });
    AnswerOpenFile(driver, path, shoot);
}

void CloseHelper(CDialogDriver& driver, int id = IDCANCEL) {
    driver.On("Koyomiru Helper", [id](HWND d) { Press(d, id); });
}

std::string CurrentDir() {
    char d[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, d);
    return d;
}
} // namespace

TEST_F(PluginDialogs, HelperBrowseAppendsTheChosenPaths) {
    const std::string before = CurrentDir();
    const std::string start = "x.kmb\r\n";
    HGLOBAL block = GlobalText(start);
    EditHelperRecord record = {7, 7, block};
    {
        CDialogDriver driver;
        driver.On("Koyomiru Helper", [](HWND d) {
            const SIZE size = DialogUnits(d);
            EXPECT_NEAR(size.cx, 82, 1);
            EXPECT_NEAR(size.cy, 63, 1);
            ExpectUnits(d, IDC_BROWSE, 7, 7, 68, 24);
            ExpectUnits(d, IDC_RUN_TOOL, 7, 31, 68, 24);
            EXPECT_EQ(ItemText(d, IDC_BROWSE), "ファイル名参照");
            EXPECT_EQ(ItemText(d, IDC_RUN_TOOL), "データツール起動");
            EXPECT_TRUE(GetWindowLongA(d, GWL_STYLE) & WS_SYSMENU);
            Pump(200);
            SaveScreenshot(d, "helper_dialog");
        });
        Browse(driver, full + "a.kmb", true);
        Browse(driver, full + "b.kmb");
        CloseHelper(driver);
        EXPECT_EQ(dxl.EditHelper(nullptr, &record), 1);
        EXPECT_TRUE(driver.AllDone());
        EXPECT_FALSE(driver.TimedOut());
    }
    const std::string expected = start + full + "a.kmb" + full + "b.kmb";
    EXPECT_EQ(BlockText(record.text), expected);
    EXPECT_EQ(record.length, static_cast<int>(expected.size()));
    EXPECT_EQ(record.length2, record.length);
    EXPECT_EQ(CurrentDir(), before);
    GlobalFree(record.text);
}

TEST_F(PluginDialogs, HelperCreatesTheBlockForANullHandle) {
    EditHelperRecord record = {0, 0, nullptr};
    {
        CDialogDriver driver;
        Browse(driver, full + "b.kmb");
        CloseHelper(driver, IDOK);
        EXPECT_EQ(dxl.EditHelper(nullptr, &record), 1);
        EXPECT_TRUE(driver.AllDone());
    }
    ASSERT_NE(record.text, nullptr);
    EXPECT_EQ(BlockText(record.text), full + "b.kmb");
    EXPECT_EQ(record.length, static_cast<int>((full + "b.kmb").size()));
    EXPECT_EQ(record.length2, record.length);
    GlobalFree(record.text);
}

TEST_F(PluginDialogs, HelperCancelledBrowseChangesNothing) {
    const std::string before = CurrentDir();
    EditHelperRecord record = {3, 4, nullptr};
    CDialogDriver driver;
    Browse(driver, "");
    CloseHelper(driver);
    EXPECT_EQ(dxl.EditHelper(nullptr, &record), 1);
    EXPECT_TRUE(driver.AllDone());
    EXPECT_EQ(record.text, nullptr);
    EXPECT_EQ(record.length, 3);
    EXPECT_EQ(record.length2, 4);
    EXPECT_EQ(CurrentDir(), before);
}

TEST_F(PluginDialogs, AboutBoxShowsItsTextAndCloses) {
    const std::string text =
        "小片に書かれた指定ファイルから、本日分のデータを取得して表示します。\n\n"
        "Ver.2.0からバイナリ形式のファイルに変更になりましたので専用のエディタを使用して編集"
        "するようにしてください。\n"
        "なお、エディタで旧テキストファイルを読み込んでバイナリ形式に出力できますので旧ファイル"
        "はエディタを使って変換してください。";
    {
        CDialogDriver driver;
        driver.On("About Koyomiru.dxl", [&](HWND d) {
            const SIZE size = DialogUnits(d);
            EXPECT_NEAR(size.cx, 187, 1);
            EXPECT_NEAR(size.cy, 139, 1);
            EXPECT_EQ(ItemText(d, IDC_ABOUT_TEXT), text);
            EXPECT_NE(ItemText(d, IDC_ABOUT_TITLE).find("小片描画拡張ライブラリィ"),
                      std::string::npos);
            ExpectUnits(d, IDC_ABOUT_TITLE, 7, 7, 173, 8);
            ExpectUnits(d, IDC_ABOUT_MAKER, 16, 21, 154, 16);
            ExpectUnits(d, IDC_ABOUT_TEXT, 8, 44, 173, 68);
            ExpectUnits(d, IDOK, 70, 118, 50, 14);
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, IDC_ABOUT_TEXT), GWL_STYLE) & SS_SUNKEN);
            EXPECT_EQ(GetWindowLongA(GetDlgItem(d, IDC_ABOUT_MAKER), GWL_STYLE) & SS_TYPEMASK,
                      static_cast<LONG>(SS_RIGHT));
            Pump(200);
            SaveScreenshot(d, "about_dialog");
            Press(d, IDOK);
        });
        EXPECT_EQ(dxl.DrawExAbout(nullptr), 0);
        EXPECT_TRUE(driver.AllDone());
    }
    // The same box from the chip menu, closed with Esc.
    CDialogDriver driver;
    driver.On("About Koyomiru.dxl", [](HWND d) { Press(d, IDCANCEL); });
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10003), 0);
    EXPECT_TRUE(driver.AllDone());
}

TEST_F(PluginDialogs, ConfigureSaysThereIsNothingToSet) {
    std::string message;
    CDialogDriver driver;
    driver.On("Koyomiru", [&](HWND d) {
        message = ItemText(d, 0xFFFF);
        Pump(200);
        SaveScreenshot(d, "configure_box");
        Press(d, IDOK);
    });
    EXPECT_EQ(dxl.DrawExConfigure(nullptr), 0);
    EXPECT_TRUE(driver.AllDone());
    EXPECT_EQ(message, "設定項目は有りません");
}

// A chip with a line asking for three days' notice, through the shipped library: Update, a
// picked date and ExchangeSendString give the engine's text, and the chip's text block grows
// in its 128-byte steps.
TEST_F(PluginDialogs, NoticeLinesThroughUpdateThePickedDateAndExchange) {
    const std::string daily(60, 'n');
    WriteBytes(dir + "/n.kmb",
               KmbBytes({EveryDay(daily), OnDay(1, 12, "燃えるゴミ"), OnDay(1, 14, "給料日")}));
    const std::string chip = dir + "/n.kmb*3\r\n" + dir + "/b.kmb";
    UpdateChip(dxl, state, chip.c_str());
    const std::string today = ChipText(dxl, state);
    EXPECT_EQ(today, ExpectedText(chip, Today()));
    EXPECT_NE(today.find("\r\n" + daily + "\r\n明日：" + daily + "\r\n明後日：" + daily +
                         "\r\n3日後：" + daily),
              std::string::npos)
        << today;
    {
        CChipLock chipState(state);
        ASSERT_TRUE(chipState);
        const SIZE_T n = today.size();
        EXPECT_EQ(LocalSize(chipState->resultText),
                  n + 1 < 128 ? 128 : 128 + (n + 128) / 128 * 128);
    }
    {
        CDialogDriver driver;
        driver.On("日付指定", [&](HWND d) {
            SetPickerDate(d, MakeDate(2027, 1, 11));
            Press(d, IDOK);
        });
        EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10001), 2);
        EXPECT_TRUE(driver.AllDone());
    }
    EXPECT_EQ(ChipText(dxl, state), Header(MakeDate(2027, 1, 11), "月") + "\r\n" + daily +
                                        "\r\n明日：" + daily + "\r\n明日：燃えるゴミ\r\n明後日：" +
                                        daily + "\r\n3日後：" + daily + "\r\n3日後：給料日");
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10000), 2);
    EXPECT_EQ(ChipText(dxl, state), today);

    HGLOBAL block = GlobalText(chip);
    EXPECT_EQ(dxl.ExchangeSendString(&block), static_cast<int>(today.size()));
    EXPECT_EQ(BlockText(block), today);
    GlobalFree(block);
}
