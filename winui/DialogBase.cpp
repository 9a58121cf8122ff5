#include "winui/DialogBase.h"

#include "platform/Guard.h"

INT_PTR CDialogBase::RunModal(HINSTANCE instance, int templateId, HWND owner) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, Proc,
                           reinterpret_cast<LPARAM>(this));
}

HWND CDialogBase::Create(HINSTANCE instance, int templateId, HWND owner) {
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, Proc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialogBase::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Every dialog of both programs runs through here: no exception may leave a procedure
    // that the system, or the host's message loop, called.
    KOYOMI_GUARD_BEGIN
    return Route(dialog, message, wParam, lParam);
    KOYOMI_GUARD_END(FALSE)
}

INT_PTR CDialogBase::Route(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialogBase* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogBase*>(lParam);
        SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        if (self)
            self->window = dialog;
    } else {
        self = reinterpret_cast<CDialogBase*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) have no object yet.
    if (!self)
        return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
        self->window = nullptr;
        self->OnDestroyed();
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

INT_PTR CDialogBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInit();
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!lParam || !OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
            return FALSE;
        SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}
