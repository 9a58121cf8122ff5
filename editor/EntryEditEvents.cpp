// The entry edit dialog's control events: each keeps the working values and the groups in
// step with what the user did, or refuses it with a beep.
#include "editor/EntryEdit.h"

#include "editor/Resource.h"

namespace {
bool IsDayForm(int type) {
    return type >= ET_MONTHLY && type <= ET_QUARTER3;
}

// Refused numbers are written back as "%d", so a refused 0 shows as "0".
constexpr int MONTH_LIMIT = 13;
constexpr int DAY_LIMIT = 32;
} // namespace

void CEntryEditDialog::OnTypeSelected(int item) {
    const PreviewAfter after(*this);
    if (item == type)
        return;
    MarkChanged();
    type = item;
    ApplyType();
}

void CEntryEditDialog::OnNameChanged(const std::string& text) {
    if (text.size() < KMD_NAME_SIZE) {
        MarkChanged();
        nameText = text;
        return;
    }
    // Cut whole characters until the name fits. A long paste is cut in one go, with one
    // beep, instead of one character per repeated notification.
    view.Beep();
    std::string cut = text;
    while (cut.size() >= KMD_NAME_SIZE)
        cut = CutLastCharacter(cut);
    view.SetEditText(IDC_NAME, cut);
    MarkChanged();
    nameText = cut;
}

// A numeric edit's new text: true, with `value` changed and the dialog marked changed, when
// it holds another number below the limit; a number at or over it is refused with a beep and
// the old value written back.
bool CEntryEditDialog::TakeNumber(int id, const std::string& text, int& value, int limit) {
    const int v = EditNumber(text);
    if (v == value)
        return false;
    if (v >= limit) {
        view.Beep();
        view.SetEditText(id, std::to_string(value));
        return false;
    }
    MarkChanged();
    value = v;
    return true;
}

void CEntryEditDialog::OnMonthUpdated(const std::string& text) {
    const PreviewAfter after(*this);
    if (!TakeNumber(IDC_MONTH, text, month, MONTH_LIMIT))
        return;
    const int v = month;
    // A month goes with the weekday form only: it takes the day and the last day away.
    if (IsDayForm(type))
        SetDateGroup(v != 0 ? 2 : 1);
}

void CEntryEditDialog::OnDayUpdated(const std::string& text) {
    const PreviewAfter after(*this);
    if (!TakeNumber(IDC_DAY, text, day, DAY_LIMIT))
        return;
    const int v = day;
    if (type == ET_MONTHLY) {
        if (v != 0) {
            SetDateGroup(4);
            SetWeekdayGroup(0);
        } else if (weekday > 0) {
            SetDateGroup(2);
        } else if (lastDay != 1) {
            SetDateGroup(1);
            SetWeekdayGroup(1);
        } else {
            SetDateGroup(3);
            SetWeekdayGroup(0);
        }
    } else if (IsDayForm(type)) {
        if (v != 0) {
            SetDateGroup(4);
            SetWeekdayGroup(0);
        } else if (weekday > 0) {
            SetDateGroup(2);
        } else {
            SetWeekdayGroup(lastDay != 1 ? 1 : 0);
            SetDateGroup(3);
        }
    }
}

void CEntryEditDialog::OnPeriodUpdated(int id, const std::string& text) {
    const PreviewAfter after(*this);
    int* value;
    int limit = DAY_LIMIT;
    switch (id) {
    case IDC_PERIOD_START_MONTH:
        value = &periodStartMonth;
        limit = MONTH_LIMIT;
        break;
    case IDC_PERIOD_START_DAY:
        value = &periodStartDay;
        break;
    case IDC_PERIOD_END_MONTH:
        value = &periodEndMonth;
        limit = MONTH_LIMIT;
        break;
    case IDC_PERIOD_END_DAY:
        value = &periodEndDay;
        break;
    default:
        return;
    }
    TakeNumber(id, text, *value, limit);
}

void CEntryEditDialog::OnWeekdaySelected(int item) {
    const PreviewAfter after(*this);
    if (item == weekday)
        return;
    MarkChanged();
    weekday = item;
    if (!IsDayForm(type))
        return;
    if (item == 0) {
        week = -1;
        if (type == ET_MONTHLY) {
            month = 0;
            SetDateGroup(1);
        } else {
            SetDateGroup(3);
        }
    } else {
        if (week == -1)
            week = 0;
        SetDateGroup(type == ET_MONTHLY ? 2 : 0);
    }
    SetWeekdayGroup(1);
}

void CEntryEditDialog::OnWeekSelected(int item) {
    const PreviewAfter after(*this);
    if (item == week)
        return;
    MarkChanged();
    week = item;
}

void CEntryEditDialog::OnDayRadioClicked(int id, bool checked) {
    const PreviewAfter after(*this);
    const int chosen = id == IDC_LAST_DAY ? 1 : 0;
    if (!checked || chosen == lastDay)
        return;
    MarkChanged();
    lastDay = chosen;
    if (type == ET_MONTHLY) {
        if (day != 0) {
            SetDateGroup(4);
            SetWeekdayGroup(0);
        } else if (weekday > 0) {
            SetDateGroup(2);
        } else if (chosen == 0) {
            SetDateGroup(1);
            SetWeekdayGroup(1);
        } else {
            SetDateGroup(3);
            SetWeekdayGroup(0);
        }
    } else if (IsDayForm(type)) {
        if (day != 0) {
            SetDateGroup(4);
        } else if (weekday > 0) {
            SetDateGroup(2);
        } else {
            SetWeekdayGroup(chosen == 0 ? 1 : 0);
            SetDateGroup(3);
        }
    }
}

void CEntryEditDialog::OnHolidayClicked(int id, bool checked) {
    const PreviewAfter after(*this);
    const int index = id - IDC_HOL_NONE;
    if (!checked || index < 0 || index > 3 || index == holiday)
        return;
    MarkChanged();
    holiday = index;
    SetHolidayGroup(1);
}

void CEntryEditDialog::OnDirectionClicked(int id) {
    const PreviewAfter after(*this);
    const int chosen = id == IDC_DIR_AFTER ? 1 : 0;
    if (chosen == direction)
        return;
    MarkChanged();
    direction = chosen;
}

void CEntryEditDialog::OnOddClicked(int id) {
    const PreviewAfter after(*this);
    const bool chosen = id == IDC_ODD;
    if (chosen == odd)
        return;
    MarkChanged();
    odd = chosen;
}

void CEntryEditDialog::OnPaydayClicked(bool checked) {
    const PreviewAfter after(*this);
    const int state = checked ? 1 : 0;
    if (state == payday)
        return;
    MarkChanged();
    payday = state;
    SetHolidayGroup(1);
}
