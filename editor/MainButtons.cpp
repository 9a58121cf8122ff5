#include "editor/MainButtons.h"

#include "editor/Resource.h"

const int MAIN_BUTTONS[MAIN_BUTTON_COUNT] = {
    IDC_OPEN,     IDC_SAVE,    IDC_ADD,       IDC_INSERT,      IDC_EDIT, IDC_DELETE, IDC_CLEAR_ALL,
    IDC_MOVE_TOP, IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_MOVE_BOTTOM, IDC_COPY, IDC_PASTE,  IDC_FIND};

bool MainButtonEnabled(const MainButtonState& state, int id) {
    switch (id) {
    case IDC_OPEN:
        return state.asking != IDC_OPEN;
    case IDC_SAVE:
        return state.saveReady && state.asking != IDC_SAVE;
    case IDC_ADD:
        return true;
    case IDC_COPY:
    case IDC_PASTE:
        return state.clipReady;
    case IDC_CLEAR_ALL:
    case IDC_FIND:
        return state.listShown;
    default: // 挿入, 編集, 削除 and the moves
        return state.rowChosen;
    }
}
