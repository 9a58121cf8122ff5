#include "tools/koyomihost/ChipWindow.h"

namespace {
constexpr UINT ID_EDIT_TEXT = 1;
constexpr UINT ID_UPDATE = 2;
constexpr UINT ID_CLOSE = 3;

struct Chip {
    CPlugin* plugin;
    CHostChip* chip;
    std::string shown;
    HFONT font;
};

Chip* GetChip(HWND window) {
    return reinterpret_cast<Chip*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Refresh(HWND window, Chip& c) {
    c.shown = c.chip->Fetch();
    InvalidateRect(window, nullptr, TRUE);
}

// The helper works on a global block of the chip text; what it leaves there is the new text.
void EditText(HWND window, Chip& c) {
    const std::string& text = c.chip->GetText();
    EditHelperRecord record = {};
    record.length = record.length2 = static_cast<std::int32_t>(text.size());
    record.text = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (record.text) {
        if (char* p = static_cast<char*>(GlobalLock(record.text))) {
            memcpy(p, text.c_str(), text.size() + 1);
            GlobalUnlock(record.text);
        }
    }
    c.plugin->EditHelper(window, &record);
    if (!record.text)
        return;
    if (const char* p = static_cast<const char*>(GlobalLock(record.text))) {
        std::string edited(p, strnlen(p, GlobalSize(record.text)));
        GlobalUnlock(record.text);
        if (edited != text) {
            c.chip->SetText(edited);
            Refresh(window, c);
        }
    }
    GlobalFree(record.text);
}

void ShowMenu(HWND window, Chip& c, LPARAM lParam) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, ID_EDIT_TEXT, "小片の文字列を編集...");
    AppendMenuA(menu, MF_STRING, ID_UPDATE, "更新");
    if (HMENU own = c.plugin->GetDrawExMenu()) // ours from here on: destroyed with the popup
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(own), "Koyomiru");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_CLOSE, "閉じる");
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &pt);
    const UINT id = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, window, nullptr));
    DestroyMenu(menu);
    if (id == ID_EDIT_TEXT)
        EditText(window, c);
    else if (id == ID_UPDATE) {
        c.chip->SetText(c.chip->GetText());
        Refresh(window, c);
    } else if (id == ID_CLOSE)
        DestroyWindow(window);
    else if (id != 0 && c.plugin->DoDrawExMenu(c.chip->GetState(), window, id) == 2)
        Refresh(window, c);
}

void Paint(HWND window, Chip& c) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r;
    GetClientRect(window, &r);
    FillRect(dc, &r, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
    InflateRect(&r, -6, -6);
    HGDIOBJ old = SelectObject(dc, c.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextA(dc, c.shown.c_str(), static_cast<int>(c.shown.size()), &r,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(window, &ps);
}

LRESULT CALLBACK ChipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    Chip* c = GetChip(window);
    switch (message) {
    case WM_PAINT:
        if (c) {
            Paint(window, *c);
            return 0;
        }
        break;
    case WM_RBUTTONUP:
        if (c)
            ShowMenu(window, *c, lParam);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

int RunChipWindow(CPlugin& plugin, const std::string& chipText, const char* title) {
    CHostChip chip(plugin);
    if (!chip.IsValid())
        return 1;
    chip.SetText(chipText);
    Chip c = {&plugin, &chip, chip.Fetch(),
              CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                          "ＭＳ Ｐゴシック")};

    WNDCLASSA wc = {};
    wc.lpfnWndProc = ChipProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = CHIP_WINDOW_CLASS;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, CHIP_WINDOW_CLASS, title,
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 200, nullptr,
                                  nullptr, wc.hInstance, &c);
    if (!window)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(c.font);
    return 0;
}
