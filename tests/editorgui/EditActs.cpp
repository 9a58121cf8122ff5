#include "EditActs.h"

Act Type(int id, const std::string& text) {
    return {Act::TYPE, id, text, 0};
}
Act Char(int id, char c) {
    return {Act::CHAR, id, std::string(1, c), 0};
}
Act Paste(int id, const std::string& text) {
    return {Act::PASTE, id, text, 0};
}
Act Select(int id, int item) {
    return {Act::SELECT, id, std::string(), item};
}
Act Click(int id) {
    return {Act::CLICK, id, std::string(), 0};
}

void DoInWindow(HWND dialog, const Act& a) {
    HWND c = GetDlgItem(dialog, a.id);
    switch (a.kind) {
    case Act::TYPE:
        SetWindowTextA(c, a.text.c_str());
        break;
    case Act::CHAR:
        SendMessageA(c, EM_SETSEL, 0x7FFF, 0x7FFF);
        SendMessageA(c, WM_CHAR, static_cast<unsigned char>(a.text[0]), 1);
        break;
    case Act::PASTE:
        SendMessageA(c, EM_SETSEL, 0, -1);
        SendMessageA(c, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(a.text.c_str()));
        break;
    case Act::SELECT: // CB_SETCURSEL does not notify: send what a user's choice sends
        SendMessageA(c, CB_SETCURSEL, static_cast<WPARAM>(a.item), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(a.id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(c));
        break;
    case Act::CLICK:
        SendMessageA(c, BM_CLICK, 0, 0);
        break;
    }
}
