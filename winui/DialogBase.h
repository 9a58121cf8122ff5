// A thin base for dialogs: the object is kept in the window's user data from WM_INITDIALOG
// on, and messages are cracked into OnInit, OnCommand and OnNotify.
#pragma once

#include <windows.h>

class CDialogBase {
public:
    CDialogBase() = default;
    CDialogBase(const CDialogBase&) = delete;
    CDialogBase& operator=(const CDialogBase&) = delete;
    virtual ~CDialogBase() = default;

    // Modal: the EndDialog result, or -1 when the dialog cannot be shown.
    INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner);
    // Modeless: the window, or null when it cannot be made.
    HWND Create(HINSTANCE instance, int templateId, HWND owner);
    HWND Handle() const { return window; }
    HWND Item(int id) const { return GetDlgItem(window, id); }

protected:
    // The result of WM_INITDIALOG: TRUE lets the system set the focus.
    virtual BOOL OnInit() { return TRUE; }
    // True when handled.
    virtual bool OnCommand(int code, int id, HWND control) {
        (void)code, (void)id, (void)control;
        return false;
    }
    // True when handled; `result` goes to DWLP_MSGRESULT.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }
    // Any other message; true when handled, with the dialog procedure's result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }
    // The window is gone (WM_NCDESTROY); a modeless dialog may delete itself here.
    virtual void OnDestroyed() {}

    void End(INT_PTR result) { EndDialog(window, result); }

    HWND window = nullptr;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR Route(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};
