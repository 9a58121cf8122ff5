#include "editor/win32/KeyFilter.h"

#include <algorithm>
#include <vector>

namespace {
// One user-interface thread, so one hook and one list.
HHOOK g_hook = nullptr;
std::vector<KeyWindows*> g_windows;
bool g_inFilter = false; // IsDialogMessage below calls the hook again

bool Within(HWND window, HWND target) {
    return window && (target == window || IsChild(window, target));
}

bool Filter(MSG& msg) {
    for (KeyWindows* w : g_windows) {
        if (Within(w->main, msg.hwnd))
            return w->accelerators && TranslateAcceleratorA(w->main, w->accelerators, &msg);
        if (Within(w->find, msg.hwnd)) {
            if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
                return true;
            if (w->accelerators && TranslateAcceleratorA(w->find, w->accelerators, &msg))
                return true;
            return IsDialogMessageA(w->find, &msg) != FALSE;
        }
    }
    return false;
}

LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && lParam && !g_inFilter) {
        g_inFilter = true;
        const bool taken = Filter(*reinterpret_cast<MSG*>(lParam));
        g_inFilter = false;
        if (taken)
            return TRUE;
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}
} // namespace

void AddKeyWindows(KeyWindows* windows) {
    if (!windows || std::find(g_windows.begin(), g_windows.end(), windows) != g_windows.end())
        return;
    g_windows.push_back(windows);
    if (!g_hook)
        g_hook = SetWindowsHookExA(WH_MSGFILTER, FilterProc, nullptr, GetCurrentThreadId());
}

void RemoveKeyWindows(KeyWindows* windows) {
    g_windows.erase(std::remove(g_windows.begin(), g_windows.end(), windows), g_windows.end());
    if (g_windows.empty() && g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}
