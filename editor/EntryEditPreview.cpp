// The entry edit dialog's preview line: the next days the working values give.
#include "editor/EntryEdit.h"

#include "calendar/Calendar.h"
#include "platform/Clock.h"

std::string CEntryEditDialog::PreviewText(const SYSTEMTIME& today) {
    CKmdDate packed;
    if (!Packed(packed))
        return "（日付を決められません）";
    const SYSTEMTIME from = MakeDate(today.wYear, today.wMonth, today.wDay);
    const std::vector<SYSTEMTIME> days =
        NextDays(packed.GetRule(), from, NEXT_DAYS_SHOWN, NEXT_DAYS_SPAN, holidays);
    if (days.empty())
        return "（２年以内に該当日はありません）";
    return NextDaysText(days, today.wYear);
}

void CEntryEditDialog::UpdatePreview() {
    SYSTEMTIME today;
    ReadLocalTime(&today);
    std::string text = PreviewText(today);
    if (text == previewText)
        return;
    previewText = text;
    view.SetPreviewText(previewText);
}
