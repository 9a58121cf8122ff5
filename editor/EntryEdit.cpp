// The entry edit dialog: loading the working values and the group procedures.
#include "editor/EntryEdit.h"

#include "editor/Resource.h"

#include <climits>
#include <cstring>

const std::vector<std::string>& EntryEditItems(int comboId) {
    static const std::vector<std::string> types = {
        "当日指定",
        "毎週指定",
        "隔週指定（奇数週か偶数週かを指定する）",
        "毎月指定（特殊指定あり）",
        "隔月指定（奇数月か偶数月かを指定する）",
        "四半期1（１，４，７，１０月）",
        "四半期2（２，５，８，１１月）",
        "四半期3（３，６，９，１２月）",
        "期間指定",
    };
    static const std::vector<std::string> weeks = {"第１", "第２", "第３", "第４", "第５", "最終"};
    static const std::vector<std::string> weekdays = {
        "", "日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日",
    };
    static const std::vector<std::string> none;
    switch (comboId) {
    case IDC_TYPE:
        return types;
    case IDC_WEEK:
        return weeks;
    case IDC_WEEKDAY:
        return weekdays;
    }
    return none;
}

int EditNumber(const std::string& text) {
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        v = v * 10 + (c - '0');
        if (v > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(v);
}

std::string CutLastCharacter(const std::string& text) {
    std::size_t last = 0, i = 0;
    while (i < text.size()) {
        last = i;
        i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return text.substr(0, last);
}

int DaysOfMonth(int month) {
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? days[month - 1] : 0;
}

void CEntryEditDialog::Load() {
    const CKmdDateFlags f = entry.GetFlags();
    nameText.assign(entry.NameField(), strnlen(entry.NameField(), KMD_NAME_SIZE));
    type = static_cast<int>(f.GetType());
    odd = f.IsOdd();
    if (type == ET_DAY || (type >= ET_MONTHLY && type <= ET_QUARTER3)) {
        month = static_cast<int>(entry.GetStartMonth());
        day = static_cast<int>(entry.GetStartDay());
    }
    if (type >= ET_WEEKLY && type <= ET_QUARTER3)
        weekday = static_cast<int>(entry.GetWeekday());
    if (weekday == 0)
        lastDay = f.IsLast() ? 1 : 0;
    else
        week = f.IsLast() ? 5 : static_cast<int>(f.GetWeek()) - 1;
    if (f.IsHoliday())
        holiday = 1;
    else if (f.IsShiftSunHol())
        holiday = 2;
    else if (f.IsShiftSatSunHol())
        holiday = 3;
    else if (f.IsPaydayShift())
        holiday = 2; // a payday shift alone (legacy import) shows as the Sunday shift
    else
        holiday = 0;
    direction = f.IsShiftLater() ? 1 : 0;
    payday = f.IsPaydayShift() ? 1 : 0;
    periodStartMonth = periodStartDay = periodEndMonth = periodEndDay = 0;
    if (type == ET_PERIOD) {
        periodStartMonth = static_cast<int>(entry.GetStartMonth());
        periodStartDay = static_cast<int>(entry.GetStartDay());
        periodEndMonth = static_cast<int>(entry.GetEndMonth());
        periodEndDay = static_cast<int>(entry.GetEndDay());
    }
}

void CEntryEditDialog::Initialise() {
    Load();
    view.SetEditText(IDC_NAME, nameText);
    const bool known = type >= 0 && type <= ET_PERIOD;
    view.SetSelection(IDC_TYPE, known ? type : -1);
    if (known)
        ApplyType();
    else
        ShowTemplateState();
    view.SetEnabled(IDC_REVERT, false);
    changed = false;
    previewText.clear(); // a window opened afresh shows its line once at least
    UpdatePreview();
}

void CEntryEditDialog::MarkChanged() {
    if (changed)
        return;
    changed = true;
    view.SetEnabled(IDC_REVERT, true);
}

void CEntryEditDialog::ShowNumber(int id, int value) {
    view.SetEditText(id, value == 0 ? std::string() : std::to_string(value));
}

void CEntryEditDialog::ShowTemplateState() {
    static const int enabled[] = {
        IDC_ODD_GROUP,     IDC_DATE_GROUP,    IDC_MONTH_LABEL,     IDC_DAY_LABEL,
        IDC_WEEKDAY_GROUP, IDC_HOLIDAY_GROUP, IDC_DIRECTION_GROUP, IDC_PAYDAY_NOTE,
        IDC_PERIOD_GROUP,  IDC_PSM_LABEL,     IDC_PSD_LABEL,       IDC_PERIOD_TILDE,
        IDC_PEM_LABEL,     IDC_PED_LABEL,
    };
    static const int buttons[] = {
        IDC_ODD,        IDC_EVEN,        IDC_DAY_NUMBER,    IDC_LAST_DAY,
        IDC_HOL_NONE,   IDC_HOL_HOLIDAY, IDC_HOL_SHIFT_SUN, IDC_HOL_SHIFT_SAT,
        IDC_DIR_BEFORE, IDC_DIR_AFTER,   IDC_PAYDAY,
    };
    static const int edits[] = {
        IDC_MONTH,
        IDC_DAY,
        IDC_PERIOD_START_MONTH,
        IDC_PERIOD_START_DAY,
        IDC_PERIOD_END_MONTH,
        IDC_PERIOD_END_DAY,
    };
    for (int id : enabled)
        view.SetEnabled(id, true);
    for (int id : buttons) {
        view.SetEnabled(id, true);
        view.SetChecked(id, false);
    }
    for (int id : edits) {
        view.SetEnabled(id, true);
        view.SetEditText(id, std::string());
    }
    for (int id : {IDC_WEEK, IDC_WEEKDAY}) {
        view.SetEnabled(id, true);
        view.SetSelection(id, -1);
    }
}

void CEntryEditDialog::SetOddEvenGroup(bool on) {
    for (int id : {IDC_ODD_GROUP, IDC_ODD, IDC_EVEN})
        view.SetEnabled(id, on);
    if (!on)
        odd = false;
    view.SetChecked(IDC_ODD, on && odd);
    view.SetChecked(IDC_EVEN, on && !odd);
}

void CEntryEditDialog::SetDateGroup(int mode) {
    view.SetEnabled(IDC_DATE_GROUP, mode > 0);

    const bool showMonth = mode == 1 || mode == 2 || mode == 5;
    view.SetEnabled(IDC_MONTH, showMonth);
    view.SetEnabled(IDC_MONTH_LABEL, showMonth);
    if (!showMonth)
        month = 0;
    ShowNumber(IDC_MONTH, month);

    // The radios choose between a day number and the last day (modes 1 and 3); modes 4 and
    // 5 always take the day number.
    const bool choose = mode == 1 || mode == 3;
    if (!choose)
        lastDay = 0;
    view.SetEnabled(IDC_DAY_NUMBER, choose || mode >= 4);
    view.SetEnabled(IDC_LAST_DAY, choose);
    view.SetChecked(IDC_DAY_NUMBER, (choose && lastDay != 1) || mode >= 4);
    view.SetChecked(IDC_LAST_DAY, choose && lastDay == 1);

    const bool showDay = (mode == 1 || mode >= 3) && lastDay != 1;
    if (!showDay)
        day = 0;
    view.SetEnabled(IDC_DAY, showDay);
    view.SetEnabled(IDC_DAY_LABEL, showDay);
    ShowNumber(IDC_DAY, day);
}

void CEntryEditDialog::SetWeekdayGroup(int mode) {
    view.SetEnabled(IDC_WEEKDAY_GROUP, mode > 0);
    if (mode == 0)
        weekday = 0;
    view.SetEnabled(IDC_WEEKDAY, mode > 0);
    view.SetSelection(IDC_WEEKDAY, weekday);
    // The nth week goes with a weekday in the day forms only.
    const bool nth = mode == 1 && weekday != 0;
    if (!nth)
        week = -1;
    view.SetEnabled(IDC_WEEK, nth);
    view.SetSelection(IDC_WEEK, week);
}

void CEntryEditDialog::SetHolidayGroup(int mode) {
    view.SetEnabled(IDC_HOLIDAY_GROUP, mode > 0);
    if (mode == 0 || (mode == 2 && holiday >= 2))
        holiday = 0;
    static const int radios[4] = {IDC_HOL_NONE, IDC_HOL_HOLIDAY, IDC_HOL_SHIFT_SUN,
                                  IDC_HOL_SHIFT_SAT};
    for (int i = 0; i < 4; ++i) {
        view.SetEnabled(radios[i], mode == 1 || (mode == 2 && i < 2));
        view.SetChecked(radios[i], mode > 0 && holiday == i);
    }

    const bool shift = mode == 1 && holiday >= 2;
    const bool directed = shift && payday != 1;
    if (!directed)
        direction = 0;
    for (int id : {IDC_DIRECTION_GROUP, IDC_DIR_BEFORE, IDC_DIR_AFTER})
        view.SetEnabled(id, directed);
    view.SetChecked(IDC_DIR_BEFORE, directed && direction == 0);
    view.SetChecked(IDC_DIR_AFTER, directed && direction == 1);

    if (!shift)
        payday = 0;
    view.SetEnabled(IDC_PAYDAY, shift);
    view.SetEnabled(IDC_PAYDAY_NOTE, shift);
    view.SetChecked(IDC_PAYDAY, shift && payday == 1);
}

void CEntryEditDialog::SetPeriodGroup(bool on) {
    if (!on)
        periodStartMonth = periodStartDay = periodEndMonth = periodEndDay = 0;
    for (int id : {IDC_PERIOD_GROUP, IDC_PERIOD_START_MONTH, IDC_PERIOD_START_DAY,
                   IDC_PERIOD_END_MONTH, IDC_PERIOD_END_DAY, IDC_PSM_LABEL, IDC_PSD_LABEL,
                   IDC_PERIOD_TILDE, IDC_PEM_LABEL, IDC_PED_LABEL})
        view.SetEnabled(id, on);
    ShowNumber(IDC_PERIOD_START_MONTH, periodStartMonth);
    ShowNumber(IDC_PERIOD_START_DAY, periodStartDay);
    ShowNumber(IDC_PERIOD_END_MONTH, periodEndMonth);
    ShowNumber(IDC_PERIOD_END_DAY, periodEndDay);
}

void CEntryEditDialog::ApplyType() {
    if (type < 0 || type > ET_PERIOD)
        return;
    const bool dayForms = type >= ET_MONTHLY && type <= ET_QUARTER3;
    SetOddEvenGroup(type == ET_BIWEEKLY || type == ET_BIMONTHLY);
    if (type == ET_DAY)
        SetDateGroup(5);
    else if (dayForms)
        SetDateGroup(day != 0 ? 4 : weekday > 0 ? 2 : type == ET_MONTHLY ? 1 : 3);
    else
        SetDateGroup(0);
    SetWeekdayGroup(dayForms ? 1 : (type == ET_WEEKLY || type == ET_BIWEEKLY) ? 2 : 0);
    SetHolidayGroup(type == ET_PERIOD ? 2 : 1);
    SetPeriodGroup(type == ET_PERIOD);
}
