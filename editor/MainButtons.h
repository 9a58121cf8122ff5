// The main window's buttons as a function of its state: each command changes the state, and
// one function applies these rules to every button at once (CMainDialog::ShowState).
#pragma once

#include <cstddef>

// What the commands have left the buttons to act on.
struct MainButtonState {
    bool rowChosen = false; // 挿入, 編集, 削除 and the moves: a row was clicked, or left current
    bool clipReady = false; // コピー and 貼付: a row chosen, or the list filled, since the last
                            // click on nothing
    bool listShown = false; // 全削除 and 検索: a list filled and not emptied since
    bool saveReady = false; // 保存: a list filled, or a save asked, since the start
    int asking = 0;         // IDC_OPEN or IDC_SAVE while its dialog is open: that button is off

    // A click on a row (true) or on none.
    void ChooseRow(bool chosen) { rowChosen = clipReady = chosen; }
    // A file read, an entry added, or a step undone or redone that leaves entries.
    void ListFilled() { listShown = saveReady = clipReady = true; }
    // The last entry gone: 保存, 追加 and 開く are left.
    void ListEmptied() { rowChosen = clipReady = listShown = false; }
};

// Every button of the main window, in the order the rules are applied.
constexpr std::size_t MAIN_BUTTON_COUNT = 14;
extern const int MAIN_BUTTONS[MAIN_BUTTON_COUNT];

// Whether button `id` is enabled in `state`.
bool MainButtonEnabled(const MainButtonState& state, int id);
