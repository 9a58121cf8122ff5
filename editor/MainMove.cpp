// 先頭へ, 上へ, 下へ and 末尾へ: the current entry moves; other rows keep their selection.
#include "editor/MainDialog.h"

#include <utility>

namespace {
const char kSeveral[] = "複数の移動対象を指定する事は出来ません。\n";
const char kNone[] = "移動対象が指定されていません。\n";
} // namespace

void CMainDialog::MoveTo(int to) {
    const int from = currentIndex;
    CKmdDate entry;
    if (!dataFile.GetAt(static_cast<unsigned>(from), entry) ||
        !dataFile.RemoveAt(static_cast<unsigned>(from)))
        return;
    if (to < dataFile.GetCount())
        dataFile.InsertAt(static_cast<unsigned>(to), entry);
    else
        dataFile.Add(entry);
    view.DeleteRow(from);
    RenderRow(to, entry, true);
    view.SelectRow(to);
    currentIndex = to;
    UndoStep step;
    step.removed.Push(from, entry);
    step.inserted.Push(to, entry);
    Record(std::move(step));
}

void CMainDialog::MoveTop() {
    if (CheckPosition(kSeveral, kNone) && currentIndex != 0)
        MoveTo(0);
}

void CMainDialog::MoveUp() {
    if (CheckPosition(kSeveral, kNone) && currentIndex != 0)
        MoveTo(currentIndex - 1);
}

void CMainDialog::MoveDown() {
    if (CheckPosition(kSeveral, kNone) && currentIndex + 1 < dataFile.GetCount())
        MoveTo(currentIndex + 1);
}

void CMainDialog::MoveBottom() {
    if (CheckPosition(kSeveral, kNone) && currentIndex + 1 < dataFile.GetCount())
        MoveTo(dataFile.GetCount() - 1);
}
