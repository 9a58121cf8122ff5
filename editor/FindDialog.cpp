#include "editor/FindDialog.h"

#include "editor/Resource.h"

void CFindDialog::OnInit() {
    view.WriteControls(searchText, fromEnds);
}

void CFindDialog::SetFromEnds(int value) {
    // A repeated show keeps what the user typed in the edit.
    searchText = view.ReadText();
    fromEnds = value != 0 ? 1 : 0;
    view.WriteControls(searchText, fromEnds);
}

void CFindDialog::Request(bool down) {
    searchText = view.ReadText();
    fromEnds = view.ReadFromEnds() != 0 ? 1 : 0;
    if (searchText.empty())
        return;
    view.PostToMain(down ? WM_FIND_DOWN : WM_FIND_UP, fromEnds);
    // The next search continues from the hit.
    fromEnds = 0;
    view.WriteControls(searchText, fromEnds);
}

void CFindDialog::RequestClose() {
    view.PostToMain(WM_FIND_CLOSE, FIND_CLOSE_PARAM);
}

std::string ConfirmLineText(const std::string& messageText) {
    // Line feeds and carriage returns are single bytes in code page 932, never second bytes.
    return messageText.substr(0, messageText.find_first_of("\r\n"));
}
