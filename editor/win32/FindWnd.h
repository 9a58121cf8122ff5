// The modeless search dialog (template 134): the window of CFindDialog. It posts its
// requests to the main window, which does the searching.
#pragma once

#include "editor/FindDialog.h"
#include "winui/DialogBase.h"

#include <functional>

class CFindWindow : public CDialogBase, private IFindView {
public:
    // `onGone` runs when the window goes, however it goes (with its owner, too).
    CFindWindow(HWND mainWindow, std::function<void()> onGone);
    CFindDialog& Logic() { return logic; }

protected:
    BOOL OnInit() override;
    bool OnCommand(int code, int id, HWND control) override;
    // The object goes with its window.
    void OnDestroyed() override;

private:
    std::string ReadText() override;
    int ReadFromEnds() override;
    void WriteControls(const std::string& text, int fromEnds) override;
    void BringToFront() override;
    void PostToMain(unsigned message, long lParam) override;

    HWND mainWindow;
    std::function<void()> onGone;
    CFindDialog logic;
};
