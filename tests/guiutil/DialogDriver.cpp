#include "DialogDriver.h"

#include "GuiUtil.h"

#include <cstring>

namespace {
CDialogDriver* g_driver = nullptr; // one script at a time, on the test's thread
}

CDialogDriver::CDialogDriver() {
    g_driver = this;
    hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    timer = SetTimer(nullptr, 0, 100, TimerProc);
    lastStep = GetTickCount();
}

CDialogDriver::~CDialogDriver() {
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    g_driver = nullptr;
}

void CDialogDriver::On(const std::string& caption, std::function<void(HWND)> action) {
    Add([caption, action](HWND top) {
        if (WindowText(top) != caption)
            return false;
        action(top);
        return true;
    });
}

LRESULT CALLBACK CDialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_driver) {
        HWND w = reinterpret_cast<HWND>(wParam);
        char cls[32] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::strcmp(cls, "#32770") == 0) {
            auto& d = g_driver->dialogs;
            for (auto it = d.begin(); it != d.end(); ++it)
                if (*it == w) {
                    d.erase(it);
                    break;
                }
            d.push_back(w);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND CDialogDriver::Top() {
    while (!dialogs.empty() && !IsWindow(dialogs.back()))
        dialogs.pop_back();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
        if (IsWindowVisible(*it) && IsWindowEnabled(*it))
            return *it;
    return nullptr;
}

void CALLBACK CDialogDriver::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    CDialogDriver* d = g_driver;
    // A step that pumps messages lets this timer in again: one step at a time.
    if (!d || d->running || d->next >= d->steps.size())
        return;
    HWND top = d->Top();
    if (!top)
        return;
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    d->running = true;
    const bool done = d->steps[d->next](top);
    d->running = false;
    if (done) {
        ++d->next;
        d->lastStep = GetTickCount();
    } else if (GetTickCount() - d->lastStep > 15000) {
        // A step that never matches would block the call under test for ever.
        d->timedOut = true;
        PostMessageA(top, WM_COMMAND, IDCANCEL, 0);
        d->lastStep = GetTickCount();
    }
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id) {
    char text[2048] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
