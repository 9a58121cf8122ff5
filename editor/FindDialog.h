// The search dialog's logic: the values it exchanges with its controls and the requests it
// posts to the main window, which does the searching.
#pragma once

#include <string>

// What the search dialog's logic needs of its window.
class IFindView {
public:
    virtual ~IFindView() = default;
    // The edit's text (at most 128 bytes) and the radio group: 0 from the current position,
    // 1 from the first or last entry.
    virtual std::string ReadText() = 0;
    virtual int ReadFromEnds() = 0;
    virtual void WriteControls(const std::string& text, int fromEnds) = 0;
    virtual void BringToFront() = 0;
    // Posts a private message (WM_FIND_*) to the main window, wParam 0.
    virtual void PostToMain(unsigned message, long lParam) = 0;
};

class CFindDialog {
public:
    explicit CFindDialog(IFindView& view) : view(view) {}

    // The window's initialisation: the values into the controls.
    void OnInit();
    // Each show (command 1060): the option set, the edit's text kept, both into the controls.
    void SetFromEnds(int value);
    void BringToFront() { view.BringToFront(); }
    // 下検索 (down) / 上検索: read the controls, post the request, continue from the hit.
    void Request(bool down);
    // 閉じる, or the dialog's own OK or Cancel.
    void RequestClose();

    const std::string& SearchText() const { return searchText; }
    int FromEnds() const { return fromEnds; }

private:
    IFindView& view;
    std::string searchText;
    int fromEnds = 0;
};

// The confirmation dialog's one-line text: the message up to its first line break.
std::string ConfirmLineText(const std::string& messageText);
