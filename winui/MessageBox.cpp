#include "winui/MessageBox.h"

namespace {
const char* g_caption = "";
MessageHook g_hook = nullptr;

UINT StyleOf(BoxKind kind) {
    switch (kind) {
    case BOX_STOP:
        return MB_OK | MB_ICONHAND;
    case BOX_QUESTION:
        return MB_YESNO | MB_ICONQUESTION;
    case BOX_WARNING:
        return MB_OK | MB_ICONEXCLAMATION;
    case BOX_INFO:
        return MB_OK | MB_ICONINFORMATION;
    case BOX_NOTICE:
        break;
    }
    return MB_OK;
}
} // namespace

void SetMessageCaption(const char* caption) {
    g_caption = caption ? caption : "";
}

void SetMessageHook(MessageHook hook) {
    g_hook = hook;
}

int ShowMessage(HWND owner, const char* text, BoxKind kind) {
    const UINT style = StyleOf(kind);
    return g_hook ? g_hook(owner, text, g_caption, style)
                  : MessageBoxA(owner, text, g_caption, style);
}
