#include "plugin/Dialogs.h"
#include "plugin/HelperText.h"
#include "plugin/Module.h"
#include "plugin/Resource.h"
#include "plugin/ToolStart.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

namespace {
// The record of the open helper dialog; one helper dialog at a time.
EditHelperRecord* g_helperRecord = nullptr;

// The open-file record without the later members: the 76-byte form every system knows.
constexpr DWORD kOpenFileSize = 76;
static_assert(offsetof(OPENFILENAMEA, pvReserved) == kOpenFileSize, "32-bit record layout");

const char kFilter[] = "KYOMIファイル(*.kmb)\0*.kmb\0";

// The browse button: a chosen file's full path goes to the end of the host's text. The file
// dialog may change the current directory, which belongs to the host: it is put back.
void Browse(HWND dialog) {
    char saved[MAX_PATH] = {};
    const DWORD savedLength = GetCurrentDirectoryA(MAX_PATH, saved);
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn;
    std::memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = kOpenFileSize;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = "kmb";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const bool chosen = GetOpenFileNameA(&ofn) != FALSE;
    if (savedLength > 0 && savedLength < MAX_PATH)
        SetCurrentDirectoryA(saved);
    if (chosen)
        AppendPathToRecord(g_helperRecord, file);
}
} // namespace

INT_PTR CALLBACK HelperDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_helperRecord = reinterpret_cast<EditHelperRecord*>(lParam);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_BROWSE:
            Browse(dialog);
            return TRUE;
        case IDC_RUN_TOOL:
            StartTool(dialog);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 1);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        g_helperRecord = nullptr;
        break;
    }
    return 0;
}

void ShowHelper(HWND owner, EditHelperRecord* record) {
    DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_HELPER), owner, HelperDlgProc,
                    reinterpret_cast<LPARAM>(record));
}
