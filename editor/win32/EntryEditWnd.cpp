// The entry edit dialog's window: notifications become calls on the dialog's logic, and the
// logic's view calls become control updates.
#include "editor/win32/EntryEditWnd.h"

#include "editor/EntryEdit.h"
#include "editor/Resource.h"
#include "winui/DialogBase.h"
#include "winui/MessageBox.h"

#include <commctrl.h>

#include <string>

namespace {
std::string ControlText(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int got = GetWindowTextA(control, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

bool IsNumberEdit(int id) {
    return id == IDC_MONTH || id == IDC_DAY ||
           (id >= IDC_PERIOD_START_MONTH && id <= IDC_PERIOD_END_DAY);
}

// The preview line's tooltip: which days off it counts.
const char kPreviewTip[] = "休日として、開いているファイルの休日指定と、日本の国民の祝日"
                           "（振替休日・国民の休日を含む）を数えています。";

class CEntryEditWnd : public CDialogBase, public IEntryEditView {
public:
    CEntryEditWnd(const CKmdDate& entry, const std::vector<KmdRule>& holidays) {
        logic.entry = entry;
        logic.holidays.SetRules(holidays);
    }
    const CKmdDate& Entry() const { return logic.entry; }

    void SetEnabled(int id, bool enabled) override { EnableWindow(Item(id), enabled); }
    void SetChecked(int id, bool checked) override {
        CheckDlgButton(window, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void SetSelection(int id, int item) override {
        SendDlgItemMessageA(window, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    }
    void SetEditText(int id, const std::string& text) override {
        HWND edit = Item(id);
        // An equal text would only repeat the notifications.
        if (ControlText(edit) == text)
            return;
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        SetWindowTextA(edit, text.c_str());
        SendMessageA(edit, EM_SETSEL, start, end);
    }
    void Beep() override { MessageBeep(0xFFFFFFFF); }
    void FocusAndMessage(int id, const std::string& text) override {
        SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
        ShowMessage(window, text.c_str(), BOX_STOP);
    }
    void SetPreviewText(const std::string& text) override {
        SetDlgItemTextA(window, IDC_NEXT_DAYS, text.c_str());
    }

protected:
    BOOL OnInit() override {
        for (int combo : {IDC_TYPE, IDC_WEEK, IDC_WEEKDAY})
            for (const std::string& item : EntryEditItems(combo))
                SendDlgItemMessageA(window, combo, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(item.c_str()));
        AddPreviewTip();
        // The number boxes are 13 units wide: inside the font's margins the first of two
        // digits typed scrolled out of sight. Without margins two digits and the caret fit.
        for (int id : {IDC_MONTH, IDC_DAY, IDC_PERIOD_START_MONTH, IDC_PERIOD_START_DAY,
                       IDC_PERIOD_END_MONTH, IDC_PERIOD_END_DAY})
            SendDlgItemMessageA(window, id, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                                MAKELONG(0, 0));
        logic.Initialise();
        return TRUE;
    }

    bool OnCommand(int code, int id, HWND control) override {
        // The numbers are checked on EN_UPDATE, before the edit shows a refused digit.
        if (IsNumberEdit(id)) {
            if (code != EN_UPDATE)
                return false;
            const std::string text = ControlText(control);
            if (id == IDC_MONTH)
                logic.OnMonthUpdated(text);
            else if (id == IDC_DAY)
                logic.OnDayUpdated(text);
            else
                logic.OnPeriodUpdated(id, text);
            return true;
        }
        if (id == IDC_NAME) {
            if (code == EN_CHANGE)
                logic.OnNameChanged(ControlText(control));
            return code == EN_CHANGE;
        }
        if (id == IDC_TYPE || id == IDC_WEEKDAY || id == IDC_WEEK) {
            if (code != CBN_SELCHANGE)
                return false;
            // CBN_SELCHANGE comes before the combo's text changes: read the selection.
            const int item = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
            if (id == IDC_TYPE)
                logic.OnTypeSelected(item);
            else if (id == IDC_WEEKDAY)
                logic.OnWeekdaySelected(item);
            else
                logic.OnWeekSelected(item);
            return true;
        }
        if (code != BN_CLICKED)
            return false;
        const bool checked = IsDlgButtonChecked(window, id) == BST_CHECKED;
        switch (id) {
        case IDC_ODD:
        case IDC_EVEN:
            logic.OnOddClicked(id);
            return true;
        case IDC_DAY_NUMBER:
        case IDC_LAST_DAY:
            logic.OnDayRadioClicked(id, checked);
            return true;
        case IDC_HOL_NONE:
        case IDC_HOL_HOLIDAY:
        case IDC_HOL_SHIFT_SUN:
        case IDC_HOL_SHIFT_SAT:
            logic.OnHolidayClicked(id, checked);
            return true;
        case IDC_DIR_BEFORE:
        case IDC_DIR_AFTER:
            logic.OnDirectionClicked(id);
            return true;
        case IDC_PAYDAY:
            logic.OnPaydayClicked(checked);
            return true;
        case IDC_REVERT:
            logic.Revert();
            return true;
        case IDOK:
            if (logic.OnOk())
                End(IDOK);
            return true;
        case IDCANCEL:
            End(IDCANCEL);
            return true;
        }
        return false;
    }

private:
    // A tooltip owned by the dialog, so that it goes with it.
    void AddPreviewTip() {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!tip)
            return;
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V2_SIZE; // the size every version of the control takes
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = window;
        info.uId = reinterpret_cast<UINT_PTR>(Item(IDC_NEXT_DAYS));
        info.lpszText = const_cast<char*>(kPreviewTip);
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 320); // wrapped into lines
    }

    CEntryEditDialog logic{*this};
};
} // namespace

bool RunEntryEdit(HWND owner, CKmdDate& entry, const std::vector<KmdRule>& holidays) {
    CEntryEditWnd dialog(entry, holidays);
    if (dialog.RunModal(GetModuleHandleA(nullptr), IDD_ENTRY_EDIT, owner) != IDOK)
        return false;
    entry = dialog.Entry();
    return true;
}
