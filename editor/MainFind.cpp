// The search dialog as the main window sees it, and the searching itself.
#include "editor/FindDialog.h"
#include "editor/MainDialog.h"

#include <cstring>

namespace {
// Does the name hold `text` starting at a character boundary? The name is walked from its
// first byte, so that a second byte of a double-byte character never starts a hit ("A" is
// not inside ア, 83 41). Case counts.
bool NameContains(const char* name, std::size_t size, const std::string& text) {
    const void* nul = std::memchr(name, 0, size);
    const std::size_t length = nul ? static_cast<const char*>(nul) - name : size;
    if (text.empty() || text.size() > length)
        return false;
    for (std::size_t i = 0; i + text.size() <= length;) {
        if (std::memcmp(name + i, text.data(), text.size()) == 0)
            return true;
        i += IsLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < length ? 2 : 1;
    }
    return false;
}
} // namespace

void CMainDialog::ShowFind() {
    if (findDialog) {
        // Never a second one: the existing dialog comes forward with its text kept.
        findDialog->BringToFront();
    } else {
        findDialog = view.CreateFindDialog();
        if (!findDialog)
            return;
    }
    findDialog->SetFromEnds(currentIndex == -1 ? 1 : 0);
    lastFound = -1;
}

void CMainDialog::FindCommand(bool down) {
    if (findDialog)
        findDialog->Request(down);
}

void CMainDialog::CloseFind() {
    if (!findDialog)
        return;
    CFindDialog* dialog = findDialog;
    findDialog = nullptr;
    view.DestroyFindDialog(dialog);
}

bool CMainDialog::Matches(int index) const {
    if (!findDialog)
        return false;
    CKmdDate entry;
    if (!dataFile.GetAt(static_cast<unsigned>(index), entry))
        return false;
    return NameContains(entry.NameField(), KMD_NAME_SIZE, findDialog->SearchText());
}

void CMainDialog::ShowHit(int index) {
    // lastFound is not adjusted by edits, so it may name a row that no longer exists.
    if (lastFound != -1 && lastFound < view.RowCount())
        view.ClearRow(lastFound);
    view.SelectRow(index);
    view.EnsureVisible(index);
    lastFound = index;
}

void CMainDialog::SearchDown(int fromEnds) {
    const int n = dataFile.GetCount(), last = lastFound, current = currentIndex;
    if (last + 1 >= n || (last == -1 && fromEnds == 0 && current + 1 >= n)) {
        view.Message("既にファイルの終端です。", MK_STOP);
        return;
    }
    int start = 0;
    if (fromEnds == 0)
        start = last != -1 ? last + 1 : current != -1 ? current + 1 : 0;
    for (int i = start; i < n; ++i) {
        if (Matches(i)) {
            ShowHit(i);
            return;
        }
    }
    view.Message("ファイルの終端まで検索しましたが、見つかりません。", MK_STOP);
}

void CMainDialog::SearchUp(int fromEnds) {
    const int n = dataFile.GetCount(), last = lastFound, current = currentIndex;
    if (last == 0 || (last == -1 && current == 0) || n == 0) {
        view.Message("既にファイルの先端です。", MK_STOP);
        return;
    }
    int start = n - 1;
    if (fromEnds == 0) {
        if (last != -1)
            start = last - 1;
        else if (current != -1)
            start = current - 1;
    }
    for (int i = start; i >= 0; --i) {
        if (i < n && Matches(i)) {
            ShowHit(i);
            return;
        }
    }
    view.Message("ファイルの先端まで検索しましたが、見つかりません。", MK_STOP);
}
