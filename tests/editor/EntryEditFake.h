// A view for the entry edit dialog's logic that keeps every control's state the way the
// template creates it, echoes written edit texts as the real edits do, and describes groups
// of controls in one line: "+1015=3" enabled edit showing 3, "-1050*" disabled checked
// button, "+1020#2" enabled combo showing item 2.
#pragma once

#include "editor/EntryEdit.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <utility>
#include <vector>

struct FakeControl {
    bool enabled = true;
    bool checked = false;
    int selection = -1;
    std::string text;
};

class CFakeEntryView : public IEntryEditView {
public:
    CEntryEditDialog dialog{*this};
    std::map<int, FakeControl> controls;
    int beeps = 0;
    std::vector<std::pair<int, std::string>> messages; // focus id, text

    void SetEnabled(int id, bool enabled) override { controls[id].enabled = enabled; }
    void SetChecked(int id, bool checked) override { controls[id].checked = checked; }
    void SetSelection(int id, int item) override { controls[id].selection = item; }
    void SetEditText(int id, const std::string& text) override {
        // A real edit notifies for a written text as for a typed one.
        if (controls[id].text != text)
            Type(id, text);
    }
    void Beep() override { ++beeps; }
    void FocusAndMessage(int id, const std::string& text) override {
        messages.emplace_back(id, text);
    }
    void SetPreviewText(const std::string& text) override { controls[IDC_NEXT_DAYS].text = text; }

    void Open(const CKmdDate& entry) {
        dialog.entry = entry;
        dialog.Initialise();
    }

    // The user's actions, each followed by the notification the real control sends.
    void Type(int id, const std::string& text) {
        if (++depth > 20) {
            ADD_FAILURE() << "edit notifications do not settle for " << id;
            --depth;
            return;
        }
        controls[id].text = text;
        if (id == IDC_NAME)
            dialog.OnNameChanged(text);
        else if (id == IDC_MONTH)
            dialog.OnMonthUpdated(text);
        else if (id == IDC_DAY)
            dialog.OnDayUpdated(text);
        else
            dialog.OnPeriodUpdated(id, text);
        --depth;
    }
    void Select(int id, int item) {
        controls[id].selection = item;
        if (id == IDC_TYPE)
            dialog.OnTypeSelected(item);
        else if (id == IDC_WEEKDAY)
            dialog.OnWeekdaySelected(item);
        else
            dialog.OnWeekSelected(item);
    }
    // An auto radio button checks itself and unchecks the others of its set.
    void Click(int id) {
        static const std::vector<std::vector<int>> sets = {
            {IDC_ODD, IDC_EVEN},
            {IDC_DAY_NUMBER, IDC_LAST_DAY},
            {IDC_HOL_NONE, IDC_HOL_HOLIDAY, IDC_HOL_SHIFT_SUN, IDC_HOL_SHIFT_SAT},
            {IDC_DIR_BEFORE, IDC_DIR_AFTER},
        };
        if (id == IDC_PAYDAY) {
            controls[id].checked = !controls[id].checked;
            dialog.OnPaydayClicked(controls[id].checked);
            return;
        }
        for (const auto& set : sets)
            for (int member : set)
                if (member == id)
                    for (int other : set)
                        controls[other].checked = other == id;
        if (id == IDC_ODD || id == IDC_EVEN)
            dialog.OnOddClicked(id);
        else if (id == IDC_DAY_NUMBER || id == IDC_LAST_DAY)
            dialog.OnDayRadioClicked(id, controls[id].checked);
        else if (id == IDC_DIR_BEFORE || id == IDC_DIR_AFTER)
            dialog.OnDirectionClicked(id);
        else
            dialog.OnHolidayClicked(id, controls[id].checked);
    }

    std::string Describe(const std::vector<int>& ids) {
        std::ostringstream out;
        for (int id : ids) {
            const FakeControl& c = controls[id];
            out << (out.tellp() ? " " : "") << (c.enabled ? '+' : '-') << id;
            if (IsEdit(id))
                out << '=' << c.text;
            else if (id == IDC_TYPE || id == IDC_WEEKDAY || id == IDC_WEEK)
                out << '#' << c.selection;
            else if (c.checked)
                out << '*';
        }
        return out.str();
    }

private:
    static bool IsEdit(int id) {
        return id == IDC_NAME || id == IDC_MONTH || id == IDC_DAY ||
               (id >= IDC_PERIOD_START_MONTH && id <= IDC_PERIOD_END_DAY);
    }
    int depth = 0;
};

// The controls of each group, in the order the descriptions list them.
const std::vector<int> ODD_IDS = {1048, 1046, 1047};
const std::vector<int> DATE_IDS = {1032, 1015, 1036, 1050, 1051, 1016, 1037};
const std::vector<int> WEEKDAY_IDS = {1033, 1020, 1052};
const std::vector<int> HOLIDAY_IDS = {1034, 1021, 1022, 1023, 1024, 1044, 1025, 1026, 1027, 1038};
const std::vector<int> PERIOD_IDS = {1035, 1028, 1039, 1029, 1040, 1045, 1030, 1041, 1031, 1042};

inline std::vector<int> AllIds() {
    std::vector<int> all = {1013, 1014, 1053};
    for (const auto* group : {&ODD_IDS, &DATE_IDS, &WEEKDAY_IDS, &HOLIDAY_IDS, &PERIOD_IDS})
        all.insert(all.end(), group->begin(), group->end());
    return all;
}
