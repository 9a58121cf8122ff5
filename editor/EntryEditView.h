// What the entry edit dialog's logic needs of its window. The Win32 dialog implements it on
// its controls; tests keep the state of every control in a table.
#pragma once

#include <string>
#include <vector>

class IEntryEditView {
public:
    virtual ~IEntryEditView() = default;

    virtual void SetEnabled(int id, bool enabled) = 0;
    // Radio buttons and the check box; no click notification follows.
    virtual void SetChecked(int id, bool checked) = 0;
    // Combo boxes: -1 shows no item; no selection notification follows.
    virtual void SetSelection(int id, int item) = 0;
    // Edits: the text is written keeping the edit's selection and caret where they were.
    // The edit's own text notifications follow, as for typing.
    virtual void SetEditText(int id, const std::string& text) = 0;
    // The simple beep.
    virtual void Beep() = 0;
    // Moves the focus to the control, then shows the text in a stop-icon box.
    virtual void FocusAndMessage(int id, const std::string& text) = 0;
    // The preview line below the buttons (IDC_NEXT_DAYS).
    virtual void SetPreviewText(const std::string& text) = 0;
};

// The items of the dialog's three combo boxes (IDC_TYPE, IDC_WEEK, IDC_WEEKDAY), in order;
// empty for any other id.
const std::vector<std::string>& EntryEditItems(int comboId);
