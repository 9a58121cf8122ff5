// The entry edit dialog's logic: the entry as plain working values, the group procedures
// that keep the controls consistent with the date type, the control events, and the checks
// and store of OK.
#pragma once

#include "data/KmdDate.h"
#include "editor/EntryEditView.h"
#include "editor/NextDays.h"

#include <string>

// The date types as the dialog's signed `type` holds them.
constexpr int ET_DAY = DT_DAY, ET_WEEKLY = DT_WEEKLY, ET_BIWEEKLY = DT_BIWEEKLY,
              ET_MONTHLY = DT_MONTHLY, ET_BIMONTHLY = DT_BIMONTHLY, ET_QUARTER3 = DT_QUARTER3,
              ET_PERIOD = DT_PERIOD;

class CEntryEditDialog {
public:
    explicit CEntryEditDialog(IEntryEditView& view) : view(view) {}

    // Working values. `entry` is written only by a successful OK.
    CKmdDate entry;
    std::string nameText;
    int type = -1; // -1, 0-8; a damaged file may give 9-15, which nothing applies
    bool odd = false;
    int month = 0, day = 0;
    int lastDay = 0; // 1: "　最終日"
    int weekday = 0; // 0 none, 1 Sunday ... 7 Saturday
    int week = -1;   // -1 none, 0-4 第１-第５, 5 最終
    int holiday = 0; // 0 指定無し, 1 休日, 2 日祝日はシフト, 3 土日祝日はシフト
    int direction = 0;
    int payday = 0;
    int periodStartMonth = 0, periodStartDay = 0, periodEndMonth = 0, periodEndDay = 0;
    bool changed = false;

    // The preview line's days off: the open file's holiday entries, with national holidays.
    CHolidayYears holidays;

    // The working values from `entry`.
    void Load();
    // The dialog's opening, and 元に戻す.
    void Initialise();
    void Revert() { Initialise(); }

    // The group procedures.
    void SetOddEvenGroup(bool on);
    void SetDateGroup(int mode);    // 0-5
    void SetWeekdayGroup(int mode); // 0-2
    void SetHolidayGroup(int mode); // 0-2
    void SetPeriodGroup(bool on);
    void ApplyType();

    // Control events. `text` is the edit's text after the change; `checked` the clicked
    // button's state after the click.
    void OnTypeSelected(int item);
    void OnNameChanged(const std::string& text);
    void OnMonthUpdated(const std::string& text);
    void OnDayUpdated(const std::string& text);
    // 1028-1031.
    void OnPeriodUpdated(int id, const std::string& text);
    void OnWeekdaySelected(int item);
    void OnWeekSelected(int item);
    void OnDayRadioClicked(int id, bool checked);
    void OnHolidayClicked(int id, bool checked);
    void OnDirectionClicked(int id);
    void OnOddClicked(int id);
    void OnPaydayClicked(bool checked);
    // True when the checks passed and `entry` holds the values: the dialog ends with OK.
    bool OnOk();

    // The entry as OK would pack the working values: false when OK would refuse them for
    // any reason but the name. No message is shown.
    bool Packed(CKmdDate& out) const;
    // The preview line's text for the working values, from `today` on.
    std::string PreviewText(const SYSTEMTIME& today);
    // Shows the preview line for the working values, from the one clock's today on.
    void UpdatePreview();

private:
    // Declared first in every event: the preview line follows whatever the event changed,
    // whichever way the event ends.
    struct PreviewAfter {
        explicit PreviewAfter(CEntryEditDialog& dialog) : dialog(dialog) {}
        ~PreviewAfter() { dialog.UpdatePreview(); }
        CEntryEditDialog& dialog;
    };

    void MarkChanged();
    bool TakeNumber(int id, const std::string& text, int& value, int limit);
    void ShowNumber(int id, int value);
    // Every group control enabled and empty, as the template creates them.
    void ShowTemplateState();
    bool CheckName();
    // The first check by type that fails: true, with the control to focus and the message.
    bool FirstRefusal(int& focusId, std::string& text) const;

    IEntryEditView& view;
    std::string previewText;
};

// The decimal value of a digits-only edit's text: empty (or no leading digit) gives 0; a
// value too large for an int saturates.
int EditNumber(const std::string& text);
// The name's text without its last character, found by walking from the first byte so that
// a trail byte with a lead byte's value is never taken for a lead byte.
std::string CutLastCharacter(const std::string& text);
// The days of a month in a leap year (2000); 0 outside 1-12.
int DaysOfMonth(int month);
