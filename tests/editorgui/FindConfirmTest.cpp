// The search dialog beside the real main window, with its keys, and the confirmation dialog.
#include "EditorGuiUtil.h"
#include "TestUtil.h"
#include "editor/FindDialog.h"
#include "editor/Resource.h"
#include "editor/win32/ConfirmWnd.h"

#include <gtest/gtest.h>

namespace {
BOOL CALLBACK FindSearchProc(HWND w, LPARAM found) {
    if (GetDlgItem(w, IDC_FIND_TEXT)) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindSearchWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindSearchProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND SearchEdit() {
    return GetDlgItem(FindSearchWindow(), IDC_FIND_TEXT);
}

HWND MainList() {
    return GetDlgItem(FindMainWindow(), IDC_ENTRY_LIST);
}

int SelectedRows(HWND main) {
    int n = 0;
    for (std::size_t i = 0; i < ListRows(main).size(); ++i)
        n += RowSelected(main, static_cast<int>(i)) ? 1 : 0;
    return n;
}
} // namespace

TEST(SearchDialog, KeysRequestsAndLifetime) {
    const std::string dir = FreshDir("search");
    MakeHolidays2027(dir);
    HWND first = nullptr;
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(WorkDir() + "tmp_search\\holidays-2027.kmd");
    script.Key(MainList, 'F', true);
    script.OnMain([&](HWND) {
        HWND find = FindSearchWindow();
        ASSERT_NE(find, nullptr);
        first = find;
        EXPECT_EQ(WindowText(find), "KmbTool 日付名称の検索");
        const SIZE size = DialogUnits(find);
        EXPECT_NEAR(size.cx, 187, 1);
        EXPECT_NEAR(size.cy, 81, 1);
        const LONG style = GetWindowLongA(find, GWL_STYLE);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_FALSE(style & WS_SYSMENU);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(find, IDC_FIND_DOWN), GWL_STYLE) & BS_TYPEMASK,
                  BS_DEFPUSHBUTTON);
        ExpectUnits(find, IDC_FIND_TEXT, 43, 7, 137, 14);
        ExpectUnits(find, IDC_FIND_UP, 130, 32, 50, 14);
        ExpectUnits(find, IDC_FROM_ENDS, 18, 51, 93, 10);
        EXPECT_EQ(ItemText(find, IDC_FIND_DOWN), "下検索 Ctrl+N");
        // No row clicked: from the first or last entry.
        EXPECT_EQ(IsDlgButtonChecked(find, IDC_FROM_ENDS), BST_CHECKED);
        SetDlgItemTextA(find, IDC_FIND_TEXT, "春分");
        Pump(200);
        SaveScreenshot(find, "search_dialog");
    });
    // Ctrl+N in the search dialog searches down; the option returns to the current position.
    script.Key(SearchEdit, 'N', true);
    script.OnMain([](HWND main) {
        const auto rows = ListRows(main);
        int spring = 0;
        while (spring < static_cast<int>(rows.size()) && rows[spring][0] != "春分の日")
            ++spring;
        EXPECT_TRUE(RowSelected(main, spring));
        EXPECT_EQ(SelectedRows(main), 1);
        EXPECT_EQ(IsDlgButtonChecked(FindSearchWindow(), IDC_FROM_CURRENT), BST_CHECKED);
        EXPECT_EQ(ItemText(FindSearchWindow(), IDC_FIND_TEXT), "春分");
    });
    // Enter and Esc do nothing there.
    script.Key(SearchEdit, VK_RETURN);
    script.Key(SearchEdit, VK_ESCAPE);
    script.OnMain([](HWND) {
        EXPECT_NE(FindSearchWindow(), nullptr);
        SendMessageA(SearchEdit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("X"));
    });
    // Ctrl+Z there takes back the typing, not a step of the list.
    script.Key(SearchEdit, 'Z', true);
    script.OnMain([](HWND) { EXPECT_EQ(ItemText(FindSearchWindow(), IDC_FIND_TEXT), "春分"); });
    // Ctrl+N and Ctrl+P in the main window go through the search dialog.
    script.Key(MainList, 'N', true);
    script.AnswerBox("ファイルの終端まで検索しましたが、見つかりません。", IDOK,
                     "search_not_found");
    script.Key(MainList, 'P', true);
    script.AnswerBox("ファイルの先端まで検索しましたが、見つかりません。", IDOK);
    // 閉じる: the main window ends the dialog.
    script.OnMain([](HWND) { Press(FindSearchWindow(), IDC_FIND_CLOSE); });
    script.OnMain([](HWND main) {
        EXPECT_EQ(FindSearchWindow(), nullptr);
        Press(main, IDC_FIND);
    });
    script.OnMain([&](HWND) {
        HWND find = FindSearchWindow();
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(ItemText(find, IDC_FIND_TEXT), "");
        SetDlgItemTextA(find, IDC_FIND_TEXT, "の日");
        CheckRadioButton(find, IDC_FROM_CURRENT, IDC_FROM_ENDS, IDC_FROM_CURRENT);
    });
    // A second Ctrl+F keeps the one dialog and its text, and resets the option.
    script.Key(MainList, 'F', true);
    script.OnMain([&](HWND main) {
        HWND find = FindSearchWindow();
        EXPECT_EQ(ItemText(find, IDC_FIND_TEXT), "の日");
        EXPECT_EQ(IsDlgButtonChecked(find, IDC_FROM_ENDS), BST_CHECKED);
        // It goes with its owner.
        PostMessageA(main, WM_CLOSE, 0, 0);
    });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(FindSearchWindow(), nullptr);
    EXPECT_EQ(script.BoxKinds(), "SS");
}

TEST(ConfirmDialog, FourAnswersAndTheAllButton) {
    const std::string message = "［元日］を削除します。\nよろしいですか？";
    const struct {
        bool allowAll;
        int button;
        int expected;
    } cases[] = {
        {true, IDYES, IDYES},       {true, IDNO, IDNO},    {true, IDC_ALL_YES, IDC_ALL_YES},
        {true, IDCANCEL, IDCANCEL}, {false, IDYES, IDYES}, {false, IDCANCEL, IDCANCEL},
    };
    for (const auto& c : cases) {
        bool allEnabled = !c.allowAll;
        CDialogDriver driver;
        driver.Add([&](HWND d) {
            EXPECT_EQ(WindowText(d), "KmbTool");
            EXPECT_EQ(ItemText(d, IDC_CONFIRM_TEXT), ConfirmLineText(message));
            EXPECT_EQ(ItemText(d, IDC_CONFIRM_TEXT), "［元日］を削除します。");
            EXPECT_NE(SendDlgItemMessageA(d, IDC_CONFIRM_ICON, STM_GETICON, 0, 0), 0);
            EXPECT_FALSE(GetWindowLongA(d, GWL_STYLE) & WS_SYSMENU);
            const SIZE size = DialogUnits(d);
            EXPECT_NEAR(size.cx, 295, 1);
            EXPECT_NEAR(size.cy, 65, 1);
            ExpectUnits(d, IDC_ALL_YES, 89, 44, 50, 14);
            ExpectUnits(d, IDC_CONFIRM_TEXT, 32, 7, 254, 11);
            allEnabled = IsWindowEnabled(GetDlgItem(d, IDC_ALL_YES)) != FALSE;
            if (c.button == IDYES) {
                Pump(200);
                SaveScreenshot(d, c.allowAll ? "confirm_all_enabled" : "confirm_all_disabled");
            }
            // A click on the disabled button would do nothing.
            if (!c.allowAll)
                Press(d, IDC_ALL_YES);
            Press(d, c.button);
            return true;
        });
        EXPECT_EQ(RunDeleteConfirm(nullptr, message, c.allowAll), c.expected);
        EXPECT_EQ(allEnabled, c.allowAll);
        EXPECT_TRUE(driver.AllDone());
    }
    // Enter chooses はい; Esc ｷｬﾝｾﾙ.
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        CDialogDriver driver;
        driver.Add([key](HWND d) {
            PostMessageA(GetDlgItem(d, IDYES), WM_KEYDOWN, key, 1);
            return true;
        });
        EXPECT_EQ(RunDeleteConfirm(nullptr, "x", false), key == VK_RETURN ? IDYES : IDCANCEL);
    }
}
