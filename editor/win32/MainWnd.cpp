#include "editor/win32/MainWnd.h"

#include "calendar/RowText.h"
#include "editor/FindDialog.h"
#include "editor/Resource.h"
#include "editor/win32/AboutWnd.h"
#include "editor/win32/ConfirmWnd.h"
#include "editor/win32/EntryEditWnd.h"
#include "editor/win32/FindWnd.h"
#include "winui/Clipboard.h"
#include "winui/FileDialog.h"
#include "winui/MessageBox.h"
#include "winui/ShutdownReason.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace {
const char kClipboardFormat[] = "KMB_DATA";
// Posted at initialisation: the start's file is opened once the window shows, so that a
// failure's message has its owner on the screen.
const UINT WM_OPEN_START = WM_APP + 1;

// Alignment and width in pixels of the thirteen list columns.
const struct {
    int format;
    int width;
} kColumns[ROW_COLUMN_COUNT] = {
    {LVCFMT_LEFT, 225},  {LVCFMT_LEFT, 60},   {LVCFMT_CENTER, 42}, {LVCFMT_CENTER, 36},
    {LVCFMT_LEFT, 80},   {LVCFMT_LEFT, 65},   {LVCFMT_CENTER, 36}, {LVCFMT_CENTER, 48},
    {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48}, {LVCFMT_CENTER, 48},
    {LVCFMT_CENTER, 36},
};

BoxKind BoxOf(MessageKind kind) {
    switch (kind) {
    case MK_STOP:
        return BOX_STOP;
    case MK_QUESTION:
        return BOX_QUESTION;
    case MK_WARNING:
        return BOX_WARNING;
    case MK_NOTICE:
        break;
    }
    return BOX_NOTICE;
}

ClipResult ClipResultOf(ClipboardStep step) {
    switch (step) {
    case CLIPBOARD_OK:
        return CLIP_OK;
    case CLIPBOARD_ALLOC_FAILED:
        return CLIP_ALLOC_FAILED;
    case CLIPBOARD_LOCK_FAILED:
        return CLIP_LOCK_FAILED;
    case CLIPBOARD_OPEN_FAILED:
        return CLIP_OPEN_FAILED;
    case CLIPBOARD_EMPTY_FAILED:
        return CLIP_EMPTY_FAILED;
    case CLIPBOARD_SET_FAILED:
        return CLIP_SET_FAILED;
    case CLIPBOARD_NONE:
        break;
    }
    return CLIP_NONE;
}

void SetState(HWND list, int index, UINT state, UINT mask = LVIS_SELECTED | LVIS_FOCUSED) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}
} // namespace

CMainWindow::CMainWindow() : logic(*this) {}

CMainWindow::~CMainWindow() {
    if (smallIcon)
        DestroyIcon(smallIcon);
}

INT_PTR CMainWindow::Run(HINSTANCE instanceHandle) {
    instance = instanceHandle;
    return RunModal(instance, IDD_EDITOR_MAIN, nullptr);
}

HWND CMainWindow::CreateModeless(HINSTANCE instanceHandle) {
    instance = instanceHandle;
    return Create(instance, IDD_EDITOR_MAIN, nullptr);
}

BOOL CMainWindow::OnInit() {
    list = Item(IDC_ENTRY_LIST);
    AddMenuItems();
    SetIcons();
    keys.main = window;
    keys.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    AddKeyWindows(&keys);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertColumns();
    logic.OnInit();
    DragAcceptFiles(window, TRUE);
    if (!startPath.empty())
        PostMessageA(window, WM_OPEN_START, 0, 0);
    return TRUE;
}

void CMainWindow::AddMenuItems() {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_SAVE_IN_PLACE, "上書き保存\tCtrl+S");
    // Greyed until there is a step; the logic keeps them in step from then on.
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_UNDO, "元に戻す\tCtrl+Z");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_REDO, "やり直し\tCtrl+Y");
    char text[128] = {};
    if (LoadStringA(instance, IDS_ABOUT_ITEM, text, sizeof text) <= 0 || !text[0])
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CMainWindow::SetIcons() {
    bigIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KMBTOOL));
    smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KMBTOOL), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon ? smallIcon : bigIcon));
}

void CMainWindow::InsertColumns() {
    for (int i = 0; i < ROW_COLUMN_COUNT; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<char*>(RowColumnHeading(i));
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

bool CMainWindow::OnCommand(int code, int id, HWND) {
    switch (id) {
    case IDOK:
        // Enter with the focus off the push buttons: the main window never ends on it.
        return true;
    case IDCANCEL:
        // Esc acts as the close command.
        Close();
        return true;
    }
    // Clicks (BN_CLICKED is 0) and accelerators (1).
    if (code != BN_CLICKED && code != 1)
        return true;
    // A move changes two rows and the focus: one repaint instead of one per change.
    const bool move =
        id == IDC_MOVE_TOP || id == IDC_MOVE_UP || id == IDC_MOVE_DOWN || id == IDC_MOVE_BOTTOM;
    if (move)
        BeginBatch();
    logic.OnCommand(id);
    if (move)
        EndBatch();
    return true;
}

bool CMainWindow::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_ENTRY_LIST)
        return false;
    result = 0;
    if (header.code == NM_CLICK) {
        logic.OnListClick(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        return true;
    }
    if (header.code == NM_DBLCLK) {
        logic.OnListDoubleClick();
        return true;
    }
    if (header.code == LVN_GETDISPINFOA) {
        ShowRowText(reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(header)));
        return true;
    }
    return false;
}

bool CMainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_CLOSE:
        Close();
        result = TRUE;
        return true;
    case WM_QUERYENDSESSION: {
        // Given before the question, so that Windows names it while the question waits.
        if (logic.IsModified())
            GiveShutdownReason(window, L"保存されていない変更があります。");
        const bool ends = logic.OnQueryEndSession();
        if (ends)
            WithdrawShutdownReason(window);
        SetWindowLongPtrA(window, DWLP_MSGRESULT, ends ? TRUE : FALSE);
        result = TRUE;
        return true;
    }
    case WM_ENDSESSION:
        // Ending: the user let the changes go, or there were none. Else the end was called off.
        if (wParam) {
            logic.CloseFind();
            End(IDCANCEL);
        } else {
            WithdrawShutdownReason(window);
        }
        SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
        result = TRUE;
        return true;
    case WM_SYSCOMMAND:
        // Ctrl+S, Ctrl+Z and Ctrl+Y come this way too: their accelerators name the menu's items.
        switch (wParam & 0xFFF0) {
        case IDM_ABOUTBOX:
        case IDM_UNDO:
        case IDM_REDO:
        case IDM_SAVE_IN_PLACE:
            logic.OnCommand(static_cast<int>(wParam & 0xFFF0));
            result = TRUE;
            return true;
        }
        return false;
    case WM_PAINT:
        if (!IsIconic(window))
            return false;
        PaintIconic();
        result = TRUE;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(bigIcon);
        return true;
    case WM_OPEN_START:
        OpenNamed(startPath);
        startPath.clear();
        result = TRUE;
        return true;
    case WM_DROPFILES:
        OpenDropped(reinterpret_cast<HDROP>(wParam));
        SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
        result = TRUE;
        return true;
    case WM_FIND_CLOSE:
    case WM_FIND_DOWN:
    case WM_FIND_UP:
        logic.OnFindMessage(message, static_cast<long>(lParam));
        SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
        result = TRUE;
        return true;
    case WM_DESTROY:
        RemoveKeyWindows(&keys);
        // The search dialog goes with its owner; its object frees itself.
        if (findWindow)
            DestroyWindow(findWindow->Handle());
        return false;
    }
    return false;
}

void CMainWindow::Close() {
    if (!logic.OnClose())
        return;
    if (logic.FindDialog())
        logic.CloseFind();
    End(IDCANCEL);
}

void CMainWindow::OpenNamed(const std::string& path) {
    char full[MAX_PATH] = {};
    char* leaf = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, &leaf);
    if (length == 0 || length >= sizeof full)
        logic.OpenPath(path, std::string()); // too long to be read either: the read says so
    else
        logic.OpenPath(full, leaf ? leaf : "");
}

void CMainWindow::OpenDropped(HDROP drop) {
    // Several files: the first; the editor holds one at a time.
    char path[MAX_PATH] = {};
    const UINT length = DragQueryFileA(drop, 0, path, sizeof path);
    DragFinish(drop);
    // While a dialog or box of this window waits for an answer, the drop is let go.
    if (length > 0 && length < sizeof path && IsWindowEnabled(window))
        OpenNamed(path);
}

void CMainWindow::PaintIconic() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT r;
    GetClientRect(window, &r);
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (r.right - r.left - cx + 1) / 2, (r.bottom - r.top - cy + 1) / 2, bigIcon);
    EndPaint(window, &ps);
}

int CMainWindow::RowCount() {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

void CMainWindow::ShowRowText(NMLVDISPINFOA& info) {
    LVITEMA& item = info.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    const std::size_t row = static_cast<std::size_t>(item.iItem);
    const std::size_t column = static_cast<std::size_t>(item.iSubItem);
    const bool known = item.iItem >= 0 && row < rowTexts.size() && item.iSubItem >= 0 &&
                       column < rowTexts[row].size();
    lstrcpynA(item.pszText, known ? rowTexts[row][column].c_str() : "", item.cchTextMax);
}

void CMainWindow::InsertRow(int index, RowTexts texts) {
    if (pendingFocus >= index)
        ++pendingFocus;
    // The list view asks for every column's text as it shows the row: a row costs one
    // message however many columns it has. Its texts are in place before the list view may
    // ask for them.
    const int at = index < 0 ? 0 : std::min(index, static_cast<int>(rowTexts.size()));
    rowTexts.insert(rowTexts.begin() + at, std::move(texts));
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = at;
    item.pszText = LPSTR_TEXTCALLBACKA;
    if (SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) != at)
        rowTexts.erase(rowTexts.begin() + at); // refused: no row to show them
}

void CMainWindow::SetRow(int index, const RowTexts& texts) {
    if (index < 0 || static_cast<std::size_t>(index) >= rowTexts.size())
        return;
    rowTexts[static_cast<std::size_t>(index)] = texts;
    SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

void CMainWindow::DeleteRow(int index) {
    if (pendingFocus == index)
        pendingFocus = -1;
    else if (pendingFocus > index)
        --pendingFocus;
    if (SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0) &&
        static_cast<std::size_t>(index) < rowTexts.size())
        rowTexts.erase(rowTexts.begin() + index);
}

void CMainWindow::DeleteAllRows() {
    pendingFocus = -1;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    rowTexts.clear();
}

void CMainWindow::BeginBatch() {
    if (batchDepth++ == 0)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
}

void CMainWindow::EndBatch() {
    if (batchDepth == 0 || --batchDepth > 0)
        return;
    if (pendingFocus >= 0)
        SetState(list, pendingFocus, LVIS_SELECTED | LVIS_FOCUSED);
    pendingFocus = -1;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int CMainWindow::SelectedCount() {
    return static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
}

int CMainWindow::NextSelected(int after) {
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
}

void CMainWindow::SelectRow(int index) {
    // Row -1 would mean every row to the list view.
    if (index < 0)
        return;
    if (batchDepth > 0) {
        SetState(list, index, LVIS_SELECTED, LVIS_SELECTED);
        pendingFocus = index;
    } else {
        SetState(list, index, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void CMainWindow::SetAllRowsSelected(bool selected) {
    SetState(list, -1, selected ? LVIS_SELECTED : 0, LVIS_SELECTED); // -1: every row at once
}

void CMainWindow::ClearRow(int index) {
    if (index == pendingFocus)
        pendingFocus = -1;
    if (index >= 0)
        SetState(list, index, 0);
}

void CMainWindow::EnsureVisible(int index) {
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void CMainWindow::EnableButton(int id, bool enabled) {
    HWND button = Item(id);
    // A control disabled with the focus leaves the window without one, and the keys go
    // nowhere until a click: the list takes the focus first.
    if (!enabled && button && GetFocus() == button)
        SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
    EnableWindow(button, enabled ? TRUE : FALSE);
}

void CMainWindow::EnableMenuItem(int id, bool enabled) {
    if (HMENU menu = GetSystemMenu(window, FALSE))
        ::EnableMenuItem(menu, static_cast<UINT>(id),
                         MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CMainWindow::SetPathText(const std::string& text) {
    SetDlgItemTextA(window, IDC_PATH, text.c_str());
}

void CMainWindow::SetModifiedText(const std::string& text) {
    SetDlgItemTextA(window, IDC_MODIFIED, text.c_str());
}

int CMainWindow::Message(const std::string& text, MessageKind kind) {
    return ShowMessage(window, text.c_str(), BoxOf(kind));
}

bool CMainWindow::AskOpenPath(std::string& path, std::string& fileName) {
    FileDialogRequest request;
    request.owner = window;
    request.filter = "Koyomiru Data Files (*.kmb)|*.kmb|Old Koyomiru Data Files "
                     "(*.kmd)|*.kmd|All Files (*.*)|*.*||";
    request.defaultExtension = "kmd";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    // The folder the user went to stays current, so that the save dialog starts there.
    request.restoreDirectory = false;
    FileDialogResult result;
    if (!AskOpenFileName(request, result))
        return false;
    path = result.path;
    fileName = result.fileName;
    return true;
}

bool CMainWindow::AskSavePath(const std::string& proposed, std::string& path) {
    FileDialogRequest request;
    request.owner = window;
    request.filter = "Koyomiru Data Files (*.kmb)|*.kmb|All Files (*.*)|*.*||";
    request.defaultExtension = "kmb";
    request.proposedName = proposed;
    request.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    request.restoreDirectory = false;
    FileDialogResult result;
    if (!AskSaveFileName(request, result))
        return false;
    path = result.path;
    return true;
}

void CMainWindow::ShowAbout() {
    ShowEditorAbout(window);
}

bool CMainWindow::EditEntry(CKmdDate& entry, const std::vector<KmdRule>& holidays) {
    return RunEntryEdit(window, entry, holidays);
}

int CMainWindow::ConfirmDelete(const std::string& text, bool allowAll) {
    return RunDeleteConfirm(window, text, allowAll);
}

CFindDialog* CMainWindow::CreateFindDialog() {
    if (findWindow)
        return &findWindow->Logic(); // never a second one
    CFindWindow* find = new CFindWindow(window, [this] {
        findWindow = nullptr;
        keys.find = nullptr;
    });
    findWindow = find;
    if (!find->Create(instance, IDD_FIND, window)) {
        // Gone before its initialisation, or freed by its own destruction already.
        if (findWindow == find) {
            findWindow = nullptr;
            delete find;
        }
        return nullptr;
    }
    keys.find = find->Handle();
    return &find->Logic();
}

void CMainWindow::DestroyFindDialog(CFindDialog* dialog) {
    if (findWindow && &findWindow->Logic() == dialog)
        DestroyWindow(findWindow->Handle());
}

ClipResult CMainWindow::PutClipboard(const std::vector<unsigned char>& block) {
    return ClipResultOf(PutClipboardBlock(window, kClipboardFormat, block.data(), block.size()));
}

ClipResult CMainWindow::GetClipboard(std::vector<unsigned char>& block) {
    return ClipResultOf(GetClipboardBlock(window, kClipboardFormat, block));
}

INT_PTR RunMainWindow(HINSTANCE instance, const std::string& startPath) {
    SetMessageCaption("KmbTool");
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    CMainWindow window;
    window.OpenAtStart(startPath);
    return window.Run(instance);
}
