// Drives the modal dialogs a call under test opens: a CBT hook notes every dialog box that
// is activated, and a thread timer, which every modal loop dispatches, runs the script's
// steps one by one against the topmost of them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CDialogDriver {
public:
    // A step gets the topmost open dialog and returns true when it has done its part.
    typedef std::function<bool(HWND top)> Step;

    CDialogDriver();
    ~CDialogDriver();

    void Add(Step step) { steps.push_back(std::move(step)); }
    // A step for the dialog with this caption (steps wait until it is on top).
    void On(const std::string& caption, std::function<void(HWND)> action);
    bool AllDone() const { return next == steps.size(); }
    std::size_t Done() const { return next; }
    // A step waited so long that the driver cancelled the dialog on top.
    bool TimedOut() const { return timedOut; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    HWND Top();

    std::vector<Step> steps;
    std::size_t next = 0;
    std::vector<HWND> dialogs;
    HHOOK hook = nullptr;
    UINT_PTR timer = 0;
    DWORD lastStep = 0;
    bool timedOut = false;
    bool running = false;
};

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// Clicks a dialog's button the way Enter, Esc or a mouse click would reach its procedure.
void Press(HWND dialog, int id);
