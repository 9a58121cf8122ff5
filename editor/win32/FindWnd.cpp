#include "editor/win32/FindWnd.h"

#include "editor/Resource.h"

#include <utility>

namespace {
// The edit takes at most this many bytes; a double-byte character counts two.
constexpr int kSearchTextLimit = 128;
} // namespace

CFindWindow::CFindWindow(HWND mainWindow, std::function<void()> onGone)
    : mainWindow(mainWindow), onGone(std::move(onGone)), logic(*this) {}

BOOL CFindWindow::OnInit() {
    SendDlgItemMessageA(window, IDC_FIND_TEXT, EM_LIMITTEXT, kSearchTextLimit, 0);
    logic.OnInit();
    return TRUE;
}

bool CFindWindow::OnCommand(int, int id, HWND) {
    switch (id) {
    case IDC_FIND_DOWN:
        logic.Request(true);
        return true;
    case IDC_FIND_UP:
        logic.Request(false);
        return true;
    case IDC_FIND_CLOSE:
    case IDOK:
    case IDCANCEL:
        logic.RequestClose();
        return true;
    case IDC_COPY:
    case IDC_FIND:
    case IDC_PASTE:
    case IDM_REDO:
        return true; // the accelerators the search dialog takes and ignores
    case IDM_SAVE_IN_PLACE:
        // Ctrl+S saves the list whichever of its windows has the keys.
        PostMessageA(mainWindow, WM_SYSCOMMAND, IDM_SAVE_IN_PLACE, 0);
        return true;
    case IDM_UNDO:
        // Ctrl+Z here takes back the typing, not a step of the list.
        SendDlgItemMessageA(window, IDC_FIND_TEXT, EM_UNDO, 0, 0);
        return true;
    }
    return false;
}

void CFindWindow::OnDestroyed() {
    if (onGone)
        onGone();
    delete this;
}

std::string CFindWindow::ReadText() {
    char text[kSearchTextLimit + 1] = {};
    GetDlgItemTextA(window, IDC_FIND_TEXT, text, sizeof text);
    return text;
}

int CFindWindow::ReadFromEnds() {
    return IsDlgButtonChecked(window, IDC_FROM_ENDS) == BST_CHECKED ? 1 : 0;
}

void CFindWindow::WriteControls(const std::string& text, int fromEnds) {
    SetDlgItemTextA(window, IDC_FIND_TEXT, text.c_str());
    CheckRadioButton(window, IDC_FROM_CURRENT, IDC_FROM_ENDS,
                     fromEnds ? IDC_FROM_ENDS : IDC_FROM_CURRENT);
}

void CFindWindow::BringToFront() {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void CFindWindow::PostToMain(unsigned message, long lParam) {
    PostMessageA(mainWindow, message, 0, static_cast<LPARAM>(lParam));
}
