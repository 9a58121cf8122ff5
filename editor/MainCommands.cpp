// 追加, 挿入, 編集, 削除 and 全削除.
#include "editor/EntryBatch.h"
#include "editor/MainDialog.h"

#include <string>
#include <utility>
#include <vector>

namespace {
const char kNotFound[] = "指定されたデータが見つかりません。\n";
} // namespace

std::vector<KmdRule> CMainDialog::HolidayRules(int skip) const {
    std::vector<KmdRule> rules;
    CKmdDate entry;
    for (int i = 0; i < dataFile.GetCount(); ++i)
        if (i != skip && dataFile.GetAt(static_cast<unsigned>(i), entry) &&
            entry.GetFlags().IsHoliday())
            rules.push_back(entry.GetRule());
    return rules;
}

bool CMainDialog::CheckPosition(const char* several, const char* none) {
    if (view.SelectedCount() >= 2) {
        view.Message(several, MK_STOP);
        return false;
    }
    if (currentIndex == -1) {
        view.Message(none, MK_STOP);
        return false;
    }
    return true;
}

void CMainDialog::Add() {
    CKmdDate entry;
    entry.Clear();
    if (!view.EditEntry(entry, HolidayRules(-1)) || !dataFile.Add(entry))
        return;
    UndoStep step;
    step.inserted.Push(dataFile.GetCount() - 1, entry);
    buttons.ListFilled();
    Record(std::move(step));
    RenderRow(dataFile.GetCount() - 1, entry, true);
}

void CMainDialog::Insert() {
    if (!CheckPosition("複数の挿入位置を指定する事は出来ません。\n",
                       "挿入位置が指定されていません。\n"))
        return;
    CKmdDate entry;
    entry.Clear();
    if (!view.EditEntry(entry, HolidayRules(-1)) ||
        !dataFile.InsertAt(static_cast<unsigned>(currentIndex), entry))
        return;
    UndoStep step;
    step.inserted.Push(currentIndex, entry);
    Record(std::move(step));
    RenderRow(currentIndex, entry, true);
    if (currentIndex + 1 < view.RowCount())
        view.ClearRow(currentIndex + 1); // the row pushed down
    view.SelectRow(currentIndex);
}

void CMainDialog::Edit() {
    if (!CheckPosition("複数の編集対象を指定する事は出来ません。\n",
                       "編集対象が指定されていません。\n"))
        return;
    CKmdDate entry;
    if (!dataFile.GetAt(static_cast<unsigned>(currentIndex), entry)) {
        view.Message(kNotFound, MK_STOP);
        return;
    }
    const CKmdDate before = entry;
    if (!view.EditEntry(entry, HolidayRules(currentIndex)) ||
        !dataFile.SetAt(static_cast<unsigned>(currentIndex), entry))
        return;
    UndoStep step;
    step.removed.Push(currentIndex, before);
    step.inserted.Push(currentIndex, entry);
    Record(std::move(step));
    RenderRow(currentIndex, entry, false);
}

void CMainDialog::Delete() {
    const int selected = view.SelectedCount();
    if (selected <= 0) {
        view.Message("削除対象が指定されていません。\n", MK_STOP);
        return;
    }
    // The walk deletes rows one by one as the user answers; the entries go in one pass at
    // the end. Rows only vanish above the walk's position, so row n shows entry n + deleted.
    const int count = dataFile.GetCount();
    UndoStep step; // the entries deleted, in ascending places
    int deleted = 0;
    bool allYes = false;
    for (int n = view.NextSelected(-1); n != -1;) {
        const int index = n + deleted;
        CKmdDate entry;
        if (index >= count || !dataFile.GetAt(static_cast<unsigned>(index), entry)) {
            view.Message(kNotFound, MK_STOP);
            break;
        }
        int answer = ANSWER_YES;
        if (!allYes) {
            const std::string text =
                std::string("［") + entry.NameField() + "］を削除します。\nよろしいですか？";
            answer = view.ConfirmDelete(text, selected > 1);
            if (answer == ANSWER_ALL_YES) {
                allYes = true;
                view.BeginBatch(); // no more questions: the rest goes without a redraw per row
            }
        }
        if (answer != ANSWER_YES && answer != ANSWER_ALL_YES && answer != ANSWER_NO)
            break; // ｷｬﾝｾﾙ: what was deleted stays deleted
        if (answer != ANSWER_NO) {
            view.DeleteRow(n);
            step.removed.Push(index, entry);
            ++deleted;
            --n; // the row that moved up into n is examined next
        }
        n = view.NextSelected(n);
        if (n != -1)
            currentIndex = n;
    }
    // Also after a missing entry ended the walk: what was deleted must count as a change.
    if (deleted > 0) {
        ReplaceEntries(dataFile, step.removed.at, PlacedEntries());
        if (currentIndex == dataFile.GetCount())
            --currentIndex;
        if (currentIndex == -1)
            buttons.ListEmptied();
        Record(std::move(step));
        if (currentIndex != -1)
            view.SelectRow(currentIndex);
    }
    if (allYes)
        view.EndBatch();
}

void CMainDialog::ClearAll() {
    if (view.Message("全てのデータを削除します。\nよろしいですか？", MK_QUESTION) != ANSWER_YES)
        return;
    view.DeleteAllRows();
    currentIndex = -1;
    UndoStep step;
    for (int i = 0; i < dataFile.GetCount(); ++i) {
        CKmdDate entry;
        dataFile.GetAt(static_cast<unsigned>(i), entry);
        step.removed.Push(i, entry);
    }
    dataFile.RemoveAll();
    buttons.ListEmptied();
    Record(std::move(step));
}
