// コピー and 貼付: selected entries to and from the clipboard as one block.
#include "editor/ClipboardBlock.h"
#include "editor/EntryBatch.h"
#include "editor/MainDialog.h"

#include <utility>
#include <vector>

void CMainDialog::ShowClipFailure(ClipResult result) {
    const char* text = nullptr;
    switch (result) {
    case CLIP_ALLOC_FAILED:
        text = "データを保持するメモリの取得に失敗しました。";
        break;
    case CLIP_LOCK_FAILED:
        text = "データを保持するメモリのロックに失敗しました。";
        break;
    case CLIP_OPEN_FAILED:
        text = "クリップボードのオープンに失敗しました。";
        break;
    case CLIP_EMPTY_FAILED:
        text = "クリップボードを空に出来ませんでした。";
        break;
    case CLIP_SET_FAILED:
        text = "クリップボードへの貼付けに失敗しました。";
        break;
    case CLIP_OK:
    case CLIP_NONE:
        break;
    }
    if (text)
        view.Message(text, MK_STOP);
}

void CMainDialog::Copy() {
    if (view.SelectedCount() <= 0) {
        view.Message("コピー対象が指定されていません。\n", MK_STOP);
        return;
    }
    // Every entry is fetched before the clipboard is touched, so that a missing one leaves
    // the clipboard as it was.
    std::vector<CKmdDate> entries;
    for (int row = view.NextSelected(-1); row != -1; row = view.NextSelected(row)) {
        CKmdDate entry;
        if (!dataFile.GetAt(static_cast<unsigned>(row), entry)) {
            view.Message("指定されたデータが見つかりません。\n", MK_STOP);
            return;
        }
        entries.push_back(entry);
    }
    ShowClipFailure(view.PutClipboard(PackClipboardBlock(entries)));
}

void CMainDialog::Paste() {
    if (!CheckPosition("複数の貼付先を指定する事は出来ません。\n",
                       "貼付先が指定されていません。\n"))
        return;
    std::vector<unsigned char> block;
    const ClipResult result = view.GetClipboard(block);
    if (result != CLIP_OK) {
        ShowClipFailure(result); // nothing of the format: no message
        return;
    }
    const std::vector<CKmdDate> entries = UnpackClipboardBlock(block.data(), block.size());
    const int at = currentIndex, n = static_cast<int>(entries.size());
    if (n > 0) {
        UndoStep step;
        for (int k = 0; k < n; ++k)
            step.inserted.Push(at + k, entries[static_cast<std::size_t>(k)]);
        if (!ReplaceEntries(dataFile, {}, step.inserted))
            return;
        Record(std::move(step));
        view.BeginBatch();
        for (int k = 0; k < n; ++k) {
            RenderRow(at + k, entries[static_cast<std::size_t>(k)], true);
            view.SelectRow(at + k);
        }
        view.EndBatch();
    }
    // The row that was current; with nothing pasted that is the current row itself.
    if (at + n < view.RowCount())
        view.ClearRow(at + n);
}
