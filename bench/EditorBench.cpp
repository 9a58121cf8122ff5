// KmbTool's main window under load, run under Wine (not a test): the real window, list view
// and dialogs, timed from the user's action to the finished list.
//   open N entries: from the open dialog's OK to the filled list (N = 10,000 and 100,000)
//   search down over 100,000 entries without a hit
//   10,000 rows selected and deleted with 全て はい; paste of 10,000; last row to the top
#include "DialogDriver.h"
#include "data/KmdDataFile.h"
#include "editor/Resource.h"
#include "editor/win32/MainWnd.h"
#include "winui/MessageBox.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {
double Now() {
    static LARGE_INTEGER frequency = {};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The boxes a command shows are answered at once, as the user would: Yes, or OK.
int AnswerBox(HWND, const char*, const char*, UINT style) {
    return (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

std::string MakeFile(int n) {
    CKmdDataFile file;
    for (int i = 0; i < n; ++i) {
        CKmdDate e;
        char name[32];
        wsprintfA(name, "予定%d", i);
        e.SetName(name);
        e.SetStartMonth(static_cast<unsigned>(i % 12 + 1));
        e.SetStartDay(static_cast<unsigned>(i % 28 + 1));
        file.Add(e);
    }
    char path[64];
    wsprintfA(path, "bench_%d.kmb", n);
    file.Write(path);
    char full[MAX_PATH] = {};
    GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return full;
}

int Rows(HWND main) {
    return static_cast<int>(SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_GETITEMCOUNT, 0, 0));
}

void SelectAll(HWND main) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(&item));
}

// Opens the file through the real open dialog; seconds from its OK to the filled list.
double Open(CMainWindow& window, const std::string& path) {
    double start = 0;
    CDialogDriver driver;
    driver.Add([&](HWND d) {
        SetDlgItemTextA(d, 0x47C, path.c_str());
        start = Now();
        Press(d, IDOK);
        return true;
    });
    window.Logic().Open();
    return Now() - start;
}

void Report(const char* what, double seconds, const char* target) {
    std::printf("%-48s %8.3f s   (target %s)\n", what, seconds, target);
    std::fflush(stdout);
}
} // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    SetMessageCaption("KmbTool");
    SetMessageHook(AnswerBox);

    const std::string small = MakeFile(10000), large = MakeFile(100000);
    {
        CMainWindow window;
        HWND main = window.CreateModeless(instance);
        ShowWindow(main, SW_SHOW);
        const double t = Open(window, large);
        Report("open 100,000 entries (OK to filled list)", t, "< 10 s");
        if (Rows(main) != 100000)
            std::printf("  wrong row count %d\n", Rows(main));

        window.Logic().ShowFind();
        HWND find = GetLastActivePopup(main);
        SetDlgItemTextA(find, IDC_FIND_TEXT, "見つからない名前");
        const double s0 = Now();
        window.Logic().SearchDown(1);
        Report("search down over 100,000 without a hit", Now() - s0, "< 0.2 s");
        DestroyWindow(main);
    }
    {
        CMainWindow window;
        HWND main = window.CreateModeless(instance);
        ShowWindow(main, SW_SHOW);
        Report("open 10,000 entries (OK to filled list)", Open(window, small), "< 1 s");

        // Copy all, then paste them in front of row 0.
        SelectAll(main);
        window.Logic().Copy();
        window.Logic().OnListClick(0);
        double t0 = Now();
        window.Logic().Paste();
        Report("paste 10,000 entries", Now() - t0, "< 2 s");

        const int n = Rows(main);
        window.Logic().OnListClick(n - 1);
        t0 = Now();
        window.Logic().MoveTop();
        Report("move the last row to the top (20,000 rows)", Now() - t0, "< 50 ms");

        // The 10,000 entries again, all selected and deleted with 全て はい; the time
        // includes answering the first question.
        Open(window, small);
        SelectAll(main);
        window.Logic().OnListClick(0);
        CDialogDriver driver;
        driver.Add([](HWND d) {
            Press(d, IDC_ALL_YES);
            return true;
        });
        t0 = Now();
        window.Logic().Delete();
        Report("delete 10,000 selected rows with 全て はい", Now() - t0, "< 2 s");
        if (Rows(main) != 0)
            std::printf("  %d rows left\n", Rows(main));
        DestroyWindow(main);
    }
    return 0;
}
