// The entry edit dialog's OK: the name check, the checks by type (first failure wins) and
// the store into the entry.
#include "editor/EntryEdit.h"

#include "editor/Resource.h"

#include <cstdio>

namespace {
bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string MonthLengthText(int month) {
    char text[64];
    std::snprintf(text, sizeof text, "%d月は、%d日までしかありません。", month, DaysOfMonth(month));
    return text;
}

// A month a damaged file may hold (13-15) counts as not given.
bool Given(int month) {
    return month >= 1 && month <= 12;
}
} // namespace

bool CEntryEditDialog::OnOk() {
    if (type < 0 || type > ET_PERIOD)
        return false;
    if (!CheckName())
        return false;
    int focusId = 0;
    std::string text;
    if (FirstRefusal(focusId, text)) {
        view.FocusAndMessage(focusId, text);
        return false;
    }
    Packed(entry);
    return true;
}

bool CEntryEditDialog::CheckName() {
    // Full-width spaces (81 40) go first, pair by pair: a 0x81 always takes the next byte
    // as its partner. The copy serves only this check.
    std::string rest;
    for (std::size_t i = 0; i < nameText.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(nameText[i]);
        if (c == 0x81 && i + 1 < nameText.size()) {
            if (static_cast<unsigned char>(nameText[i + 1]) != 0x40)
                rest.append(nameText, i, 2);
            ++i;
        } else {
            rest.push_back(static_cast<char>(c));
        }
    }
    for (char c : rest)
        if (!IsWhite(c))
            return true;
    view.FocusAndMessage(IDC_NAME, "日付名称が空か、空白のみで指定されています。");
    return false;
}

bool CEntryEditDialog::FirstRefusal(int& focusId, std::string& text) const {
    const auto refuse = [&](int id, const std::string& message) {
        focusId = id;
        text = message;
        return true;
    };
    if (type == ET_DAY) {
        if (!Given(month))
            return refuse(IDC_MONTH, "月が指定されていません。");
        if (day == 0)
            return refuse(IDC_DAY, "日が指定されていません。");
        if (day > DaysOfMonth(month))
            return refuse(IDC_DAY, MonthLengthText(month));
    } else if (type == ET_PERIOD) {
        if (!Given(periodStartMonth))
            return refuse(IDC_PERIOD_START_MONTH, "開始月が指定されていません。");
        if (periodStartDay == 0)
            return refuse(IDC_PERIOD_START_DAY, "開始日が指定されていません。");
        if (!Given(periodEndMonth))
            return refuse(IDC_PERIOD_END_MONTH, "終了月が指定されていません。");
        if (periodEndDay == 0)
            return refuse(IDC_PERIOD_END_DAY, "終了日が指定されていません。");
        if (periodStartDay > DaysOfMonth(periodStartMonth))
            return refuse(IDC_PERIOD_START_DAY, MonthLengthText(periodStartMonth));
        if (periodEndDay > DaysOfMonth(periodEndMonth))
            return refuse(IDC_PERIOD_END_DAY, MonthLengthText(periodEndMonth));
        if (periodEndMonth < periodStartMonth)
            return refuse(IDC_PERIOD_END_MONTH, "開始月よりも終了月が前になっています。");
        if (periodEndMonth == periodStartMonth && periodEndDay < periodStartDay)
            return refuse(IDC_PERIOD_END_DAY, "開始日よりも終了日が前になっています。");
    } else if (weekday == 0 && day == 0 && lastDay == 0) {
        return refuse(IDC_DAY, "日、曜日共に指定されていません。\nどちらかを指定してください。");
    }
    return false;
}

bool CEntryEditDialog::Packed(CKmdDate& out) const {
    int focusId = 0;
    std::string text;
    if (type < 0 || type > ET_PERIOD || FirstRefusal(focusId, text))
        return false;
    CKmdDate packed = entry;
    packed.SetName(nameText.c_str());
    const bool period = type == ET_PERIOD;
    packed.SetStartMonth(static_cast<unsigned>(period ? periodStartMonth : month));
    packed.SetStartDay(static_cast<unsigned>(period ? periodStartDay : day));
    packed.SetEndMonth(static_cast<unsigned>(period ? periodEndMonth : 0));
    packed.SetEndDay(static_cast<unsigned>(period ? periodEndDay : 0));
    packed.SetWeekday(static_cast<unsigned>(weekday));

    // Nothing of the entry's previous options survives: the word starts from zero.
    CKmdDateFlags f;
    f.SetType(static_cast<unsigned>(type));
    f.SetOdd(odd);
    f.SetWeek(week >= 0 && week <= 4 ? static_cast<unsigned>(week + 1) : 0);
    f.SetHoliday(holiday == 1);
    f.SetShiftSunHol(holiday == 2);
    f.SetShiftSatSunHol(holiday == 3);
    f.SetShiftLater(direction != 0);
    f.SetPaydayShift(payday != 0);
    f.SetLast(lastDay == 1 || week == 5);
    packed.SetFlags(f);
    out = packed;
    return true;
}
