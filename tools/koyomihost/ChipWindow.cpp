#include "tools/koyomihost/ChipWindow.h"

#include "tools/koyomihost/ChipCheck.h"

namespace {
constexpr UINT ID_EDIT_TEXT = 1;
constexpr UINT ID_UPDATE = 2;
constexpr UINT ID_CLOSE = 3;
constexpr int MARGIN = 6;

struct Chip {
    CPlugin* plugin;
    CHostChip* chip;
    CChipSource* source;
    std::string notes; // the lines that add nothing, under their heading
    HFONT font;
};

Chip* GetChip(HWND window) {
    return reinterpret_cast<Chip*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Refresh(HWND window, Chip& c) {
    std::string shown = c.chip->Fetch();
    if (!c.notes.empty())
        shown += "\r\n\r\n" + c.notes;
    SetDlgItemTextA(window, CHIP_TEXT_ID, shown.c_str());
}

// The plug-in updates the chip with a new text, and the lines of it that add nothing are told
// on standard error and in the window.
void Take(HWND window, Chip& c, const std::string& text) {
    c.chip->SetText(text);
    SYSTEMTIME today;
    GetLocalTime(&today);
    const std::vector<std::string> warnings = NothingAddedWarnings(text, today);
    HostWarn(warnings);
    c.notes.clear();
    for (const std::string& w : warnings)
        c.notes += (c.notes.empty() ? Say(MSG_HOST_NOTHING_ADDED_HEADING) : "") + "\r\n" + w;
    Refresh(window, c);
}

// The chip file read again: 更新 always updates the chip, the window's other refreshes only
// when the file's text changed, so that a date picked from the menu stays.
void Reread(HWND window, Chip& c, bool always) {
    const std::string before = c.source->Text();
    std::string error;
    if (!c.source->Read(error))
        HostError(error); // the text read last stands
    if (always || c.source->Text() != before)
        Take(window, c, c.source->Text());
}

// The helper works on a global block of the chip text; what it leaves there is the new text,
// which goes back into the chip file.
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
            std::string why;
            const std::string& path = c.source->Path();
            HostError(c.source->Write(edited, why) ? Say(MSG_HOST_WROTE_BACK, {path})
                                                   : Say(MSG_HOST_NOT_WRITTEN_BACK, {path, why}));
            Take(window, c, edited);
        }
    }
    GlobalFree(record.text);
}

void ShowMenu(HWND window, Chip& c, LPARAM lParam) {
    Reread(window, c, false); // the menu acts on the chip as its file now reads
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, ID_EDIT_TEXT, "小片の文字列を編集...");
    AppendMenuA(menu, MF_STRING, ID_UPDATE, "更新\tF5");
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
    else if (id == ID_UPDATE)
        Reread(window, c, true);
    else if (id == ID_CLOSE)
        DestroyWindow(window);
    else if (id != 0 && c.plugin->DoDrawExMenu(c.chip->GetState(), window, id) == 2)
        Refresh(window, c);
}

void Layout(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MoveWindow(GetDlgItem(window, CHIP_TEXT_ID), MARGIN, MARGIN, r.right - 2 * MARGIN,
               r.bottom - 2 * MARGIN, TRUE);
}

LRESULT CALLBACK ChipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    Chip* c = GetChip(window);
    switch (message) {
    case WM_CREATE: {
        // A static without SS_NOTIFY lets the clicks through to the window.
        HWND text =
            CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                            0, window, reinterpret_cast<HMENU>(CHIP_TEXT_ID), nullptr, nullptr);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(c->font), FALSE);
        Layout(window);
        return 0;
    }
    case WM_SIZE:
        Layout(window);
        return 0;
    case WM_CTLCOLORSTATIC: // the chip's colours
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOBK));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_INFOTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
    case WM_ACTIVATE: // back from editing the chip file elsewhere
        if (c && LOWORD(wParam) != WA_INACTIVE)
            Reread(window, *c, false);
        break;
    case WM_KEYDOWN:
        if (c && wParam == VK_F5)
            Reread(window, *c, true);
        return 0;
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

int RunChipWindow(CPlugin& plugin, CChipSource& source) {
    CHostChip chip(plugin);
    if (!chip.IsValid())
        return 1;
    Chip c = {&plugin, &chip, &source, std::string(),
              CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                          "ＭＳ Ｐゴシック")};

    WNDCLASSA wc = {};
    wc.lpfnWndProc = ChipProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_INFOBK);
    wc.lpszClassName = CHIP_WINDOW_CLASS;
    RegisterClassA(&wc);
    HWND window =
        CreateWindowExA(WS_EX_TOOLWINDOW, CHIP_WINDOW_CLASS, source.Path().c_str(),
                        WS_OVERLAPPEDWINDOW, 40, 40, 360, 200, nullptr, nullptr, wc.hInstance, &c);
    if (!window)
        return 1;
    Take(window, c, source.Text());
    ShowWindow(window, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(c.font);
    return 0;
}
