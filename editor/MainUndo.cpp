// Undo and redo of the list commands: the entries and the rows change together, the rows a
// step put back (or the row where its rows went) end selected and in view, and the buttons
// follow as after the command itself.
#include "editor/MainDialog.h"

#include <utility>

namespace {
// A step of a few rows changes them one by one; a bigger one fills the list afresh, as the
// list view moves every row below for each row it deletes or inserts.
bool FewRows(std::size_t rows, int count) {
    return rows <= 64 || rows * 8 <= static_cast<std::size_t>(count);
}
} // namespace

void CMainDialog::Record(UndoStep step) {
    history.Record(std::move(step));
    ShowState();
}

void CMainDialog::Undo() {
    if (const UndoStep* step = history.Undo())
        ApplyStep(step->inserted, step->removed);
}

void CMainDialog::Redo() {
    if (const UndoStep* step = history.Redo())
        ApplyStep(step->removed, step->inserted);
}

void CMainDialog::ApplyStep(const PlacedEntries& take, const PlacedEntries& put) {
    if (!ReplaceEntries(dataFile, take.at, put)) {
        // The steps no longer fit the list: none of them can be trusted.
        history.Clear();
        SetModified(true);
        return;
    }
    const int count = dataFile.GetCount();
    view.BeginBatch();
    if (FewRows(take.Size() + put.Size(), count)) {
        view.SetAllRowsSelected(false);
        for (std::size_t i = take.Size(); i-- > 0;)
            view.DeleteRow(take.at[i]);
        for (std::size_t i = 0; i < put.Size(); ++i)
            RenderRow(put.at[i], put.entries[i], true);
    } else {
        RefillList();
    }
    // The first row put in gets the focus: it is selected last.
    if (put.Size() > 0) {
        if (static_cast<int>(put.Size()) == count)
            view.SetAllRowsSelected(true);
        else
            for (std::size_t i = put.Size(); i-- > 1;)
                view.SelectRow(put.at[i]);
        view.SelectRow(put.at[0]);
        currentIndex = put.at[0];
    } else if (count > 0) {
        currentIndex = take.Size() > 0 && take.at[0] < count ? take.at[0] : count - 1;
        view.SelectRow(currentIndex);
    } else {
        currentIndex = -1;
    }
    view.EndBatch();
    if (currentIndex == -1) {
        buttons.ListEmptied();
    } else {
        view.EnsureVisible(currentIndex);
        buttons.ChooseRow(true);
        buttons.ListFilled();
    }
    ShowState();
}
