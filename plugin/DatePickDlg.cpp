#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "plugin/Dialogs.h"
#include "plugin/Module.h"
#include "plugin/Resource.h"

#include <commctrl.h>

#include <cstring>

namespace {
// The date record of the open date dialog; one date dialog at a time.
SYSTEMTIME* g_pickRecord = nullptr;

const char kPickerFormat[] = "'    'yyy'年'M'月'd'日 'dddd";

void InitDialog(HWND dialog, SYSTEMTIME* record) {
    g_pickRecord = record;
    HWND picker = GetDlgItem(dialog, IDC_DATE_PICKER);
    if (record) {
        SYSTEMTIME start = PickerStartDate(*record);
        SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    }
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));
}

void Confirm(HWND dialog) {
    if (g_pickRecord) {
        SYSTEMTIME picked;
        std::memset(&picked, 0, sizeof picked);
        if (SendDlgItemMessageA(dialog, IDC_DATE_PICKER, DTM_GETSYSTEMTIME, 0,
                                reinterpret_cast<LPARAM>(&picked)) == GDT_VALID) {
            // The header's weekday comes from this record: take it from the calendar rather
            // than trust every picker to fill it.
            picked.wDayOfWeek =
                static_cast<WORD>(DayOfWeek(picked.wYear, picked.wMonth, picked.wDay));
            *g_pickRecord = picked;
        }
    }
    EndDialog(dialog, 1);
}
} // namespace

SYSTEMTIME PickerStartDate(const SYSTEMTIME& record) {
    static const SYSTEMTIME zero = {};
    if (std::memcmp(&record, &zero, sizeof zero) != 0)
        return record;
    SYSTEMTIME now;
    ReadLocalTime(&now);
    return now;
}

INT_PTR CALLBACK DatePickDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog, reinterpret_cast<SYSTEMTIME*>(lParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            Confirm(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 2);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        g_pickRecord = nullptr;
        break;
    }
    return 0;
}

bool PickDate(HWND owner, SYSTEMTIME& date) {
    // Hosts need not have registered the picker's class; a second registration is harmless.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    SYSTEMTIME record = date;
    if (DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_PICK_DATE), owner, DatePickDlgProc,
                        reinterpret_cast<LPARAM>(&record)) != 1)
        return false;
    date = record;
    return true;
}
