#include "editor/MainDialog.h"

#include "calendar/RowText.h"
#include "editor/FindDialog.h"
#include "editor/Resource.h"

#include <utility>

CMainDialog::CMainDialog(IMainView& view) : view(view), savedState(history.State()) {}

void CMainDialog::OnInit() {
    view.SetPathText("新規ファイル");
    // Every button set from the start state, so that the logic and the window agree whatever
    // the template says.
    buttons = MainButtonState();
    currentIndex = -1;
    ShowState();
}

void CMainDialog::OnCommand(int id) {
    switch (id) {
    case IDC_OPEN:
        Open();
        break;
    case IDC_SAVE:
        Save();
        break;
    case IDC_ADD:
        Add();
        break;
    case IDC_INSERT:
        Insert();
        break;
    case IDC_EDIT:
        Edit();
        break;
    case IDC_DELETE:
        Delete();
        break;
    case IDC_CLEAR_ALL:
        ClearAll();
        break;
    case IDC_MOVE_TOP:
        MoveTop();
        break;
    case IDC_MOVE_UP:
        MoveUp();
        break;
    case IDC_MOVE_DOWN:
        MoveDown();
        break;
    case IDC_MOVE_BOTTOM:
        MoveBottom();
        break;
    case IDC_COPY:
        Copy();
        break;
    case IDC_PASTE:
        Paste();
        break;
    case IDC_FIND:
        ShowFind();
        break;
    case IDC_FIND_DOWN:
        FindCommand(true);
        break;
    case IDC_FIND_UP:
        FindCommand(false);
        break;
    case IDM_ABOUTBOX:
        About();
        break;
    case IDM_UNDO:
        Undo();
        break;
    case IDM_REDO:
        Redo();
        break;
    case IDM_SAVE_IN_PLACE:
        SaveInPlace();
        break;
    default:
        break;
    }
}

void CMainDialog::OnListClick(int row) {
    if (row == currentIndex)
        return;
    currentIndex = row;
    buttons.ChooseRow(row != -1);
    ShowState();
}

void CMainDialog::OnListDoubleClick() {
    Edit();
}

bool CMainDialog::OnClose() {
    if (!OnQueryEndSession())
        return false;
    // The search dialog goes with its owner.
    CloseFind();
    return true;
}

bool CMainDialog::OnQueryEndSession() {
    return MayDiscard("終了を中止します。");
}

void CMainDialog::OnFindMessage(unsigned message, long lParam) {
    if (message == WM_FIND_CLOSE) {
        CloseFind();
        return;
    }
    // A request still queued when its dialog went has no text to look for.
    if (!findDialog)
        return;
    const int fromEnds = lParam != 0 ? 1 : 0;
    if (message == WM_FIND_DOWN)
        SearchDown(fromEnds);
    else if (message == WM_FIND_UP)
        SearchUp(fromEnds);
}

void CMainDialog::RenderRow(int index, const CKmdDate& entry, bool insert) {
    RowTexts texts(ROW_COLUMN_COUNT);
    for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
        texts[c] = RowColumnText(entry, c);
    if (insert)
        view.InsertRow(index, std::move(texts));
    else
        view.SetRow(index, texts);
}

void CMainDialog::RefillList() {
    view.BeginBatch();
    view.DeleteAllRows();
    const int n = dataFile.GetCount();
    for (int i = 0; i < n; ++i) {
        CKmdDate entry;
        dataFile.GetAt(static_cast<unsigned>(i), entry);
        RenderRow(i, entry, true);
    }
    view.EndBatch();
}

void CMainDialog::SetModified(bool value) {
    // False: the list is as the file on disk now; true: no state of the history is.
    savedState = value ? 0 : history.State();
    ShowState();
}

void CMainDialog::ShowState() {
    const bool value = history.State() != savedState;
    if (value != modified) {
        modified = value;
        view.SetModifiedText(value ? "変更あり" : "");
    }
    view.EnableMenuItem(IDM_UNDO, history.CanUndo());
    view.EnableMenuItem(IDM_REDO, history.CanRedo());
    for (int id : MAIN_BUTTONS)
        view.EnableButton(id, MainButtonEnabled(buttons, id));
}
