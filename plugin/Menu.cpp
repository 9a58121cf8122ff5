#include "plugin/Menu.h"

#include "platform/Clock.h"
#include "plugin/ChipState.h"
#include "plugin/Dialogs.h"
#include "plugin/Resource.h"
#include "plugin/ToolStart.h"

namespace {
struct MenuItem {
    UINT id; // 0: a separator
    const char* text;
};

const MenuItem kItems[] = {
    {IDM_RESET_DATE, "今日に戻す"},
    {IDM_PICK_DATE, "日付指定"},
    {0, nullptr},
    {IDM_RUN_TOOL, "データツール起動"},
    {0, nullptr},
    {IDM_ABOUT, "About..."},
};

int ResetDate(HLOCAL state) {
    CChipLock chip(state);
    if (!chip)
        return 0;
    SYSTEMTIME now;
    ReadLocalTime(&now);
    return RegenerateChip(*chip.Get(), now) ? 2 : 0;
}

int PickChipDate(HLOCAL state, HWND owner) {
    SYSTEMTIME date;
    {
        CChipLock chip(state);
        if (!chip)
            return 0;
        date = chip->date;
    } // not locked while the dialog runs
    if (!PickDate(owner, date))
        return 0;
    CChipLock chip(state);
    if (!chip)
        return 0;
    return RegenerateChip(*chip.Get(), date) ? 2 : 0;
}
} // namespace

HMENU BuildChipMenu() {
    HMENU menu = CreateMenu();
    if (!menu)
        return nullptr;
    for (const MenuItem& item : kItems) {
        if (item.id)
            AppendMenuA(menu, MF_STRING | MF_ENABLED, item.id, item.text);
        else
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

int RunMenuCommand(HLOCAL state, HWND owner, UINT id) {
    // A host that lost its chip's state gets no command at all.
    if (!CChipLock(state))
        return 0;
    switch (id) {
    case IDM_RESET_DATE:
        return ResetDate(state);
    case IDM_PICK_DATE:
        return PickChipDate(state, owner);
    case IDM_RUN_TOOL:
        StartTool(owner);
        return 0;
    case IDM_ABOUT:
        ShowAbout(owner);
        return 0;
    }
    return 0;
}
