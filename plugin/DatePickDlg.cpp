#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "plugin/Dialogs.h"
#include "plugin/Module.h"
#include "plugin/Resource.h"
#include "winui/DialogBase.h"

#include <commctrl.h>

#include <cstring>

namespace {
const char kPickerFormat[] = "'    'yyy'年'M'月'd'日 'dddd";

class CDatePickDialog : public CDialogBase {
public:
    explicit CDatePickDialog(SYSTEMTIME& record) : record(record) {}

protected:
    BOOL OnInit() override {
        HWND picker = Item(IDC_DATE_PICKER);
        SYSTEMTIME start = PickerStartDate(record);
        SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(kPickerFormat));
        return FALSE;
    }
    bool OnCommand(int, int id, HWND) override {
        if (id == IDOK) {
            Confirm();
            return true;
        }
        if (id == IDCANCEL) {
            End(2);
            return true;
        }
        return false;
    }

private:
    void Confirm() {
        SYSTEMTIME picked;
        std::memset(&picked, 0, sizeof picked);
        if (SendDlgItemMessageA(window, IDC_DATE_PICKER, DTM_GETSYSTEMTIME, 0,
                                reinterpret_cast<LPARAM>(&picked)) == GDT_VALID) {
            // The header's weekday comes from this record: take it from the calendar rather
            // than trust every picker to fill it.
            picked.wDayOfWeek =
                static_cast<WORD>(DayOfWeek(picked.wYear, picked.wMonth, picked.wDay));
            record = picked;
        }
        End(1);
    }

    SYSTEMTIME& record;
};
} // namespace

SYSTEMTIME PickerStartDate(const SYSTEMTIME& record) {
    static const SYSTEMTIME zero = {};
    if (std::memcmp(&record, &zero, sizeof zero) != 0)
        return record;
    SYSTEMTIME now;
    ReadLocalTime(&now);
    return now;
}

bool PickDate(HWND owner, SYSTEMTIME& date) {
    // Hosts need not have registered the picker's class; a second registration is harmless.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    SYSTEMTIME record = date;
    CDatePickDialog dialog(record);
    if (dialog.RunModal(g_instance, IDD_PICK_DATE, owner) != 1)
        return false;
    date = record;
    return true;
}
