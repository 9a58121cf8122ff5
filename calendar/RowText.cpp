#include "calendar/RowText.h"

#include "calendar/Calendar.h"

#include <cstdio>
#include <cstring>

namespace {
const char* const kHeadings[ROW_COLUMN_COUNT] = {
    "日付名称", "種別",   "偶/奇",  "休日",   "シフト種別", "シフト方向", "最終",
    "開始月",   "開始日", "終了月", "終了日", "第ｎ曜",     "曜日"};
const char* const kTypes[9] = {"当日",    "毎週",    "隔週",    "毎月", "隔月",
                               "四半期1", "四半期2", "四半期3", "期間"};
const char kDash[] = "－";
const char kMark[] = "○";
const char kBlank[] = "　";

std::string NumberOrDash(unsigned v) {
    if (v == 0)
        return kDash;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
    return buf;
}

// Which shift produced the shift-kind column, for the direction column's rule.
enum ShiftKind { SHIFT_NONE, SHIFT_SUN_HOL, SHIFT_PAYDAY, SHIFT_SAT_SUN_HOL };

ShiftKind KindOf(const CKmdDateFlags& f) {
    if (f.IsShiftSunHol())
        return SHIFT_SUN_HOL;
    if (f.IsPaydayShift())
        return SHIFT_PAYDAY;
    if (f.IsShiftSatSunHol())
        return SHIFT_SAT_SUN_HOL;
    return SHIFT_NONE;
}
} // namespace

const char* RowColumnHeading(int column) {
    return column >= 0 && column < ROW_COLUMN_COUNT ? kHeadings[column] : "";
}

std::string RowColumnText(const CKmdDate& entry, int column) {
    const CKmdDateFlags f = entry.GetFlags();
    const unsigned type = f.GetType();
    const bool period = type == DT_PERIOD;
    switch (column) {
    case 0:
        return std::string(entry.NameField(), strnlen(entry.NameField(), KMD_NAME_SIZE));
    case 1:
        return type < 9 ? kTypes[type] : "";
    case 2:
        if (type == DT_BIWEEKLY || type == DT_BIMONTHLY)
            return f.IsOdd() ? "奇" : "偶";
        return kDash;
    case 3:
        return f.IsHoliday() ? kMark : kBlank;
    case 4:
        if (period)
            return kDash;
        switch (KindOf(f)) {
        case SHIFT_SUN_HOL:
            return "祝祭日";
        case SHIFT_PAYDAY:
            return f.IsShiftSatSunHol() ? "給料日＋土" : "給料日";
        case SHIFT_SAT_SUN_HOL:
            return "土祝祭日";
        default:
            return "無";
        }
    case 5: {
        const ShiftKind k = KindOf(f);
        if (period || (k != SHIFT_SUN_HOL && k != SHIFT_SAT_SUN_HOL))
            return kDash;
        return f.IsShiftLater() ? "先シフト" : "前シフト";
    }
    case 6:
        if (type == DT_MONTHLY)
            return f.IsLast() ? kMark : kBlank;
        return kDash;
    case 7:
        return NumberOrDash(entry.GetStartMonth());
    case 8:
        return NumberOrDash(entry.GetStartDay());
    case 9:
        return NumberOrDash(entry.GetEndMonth());
    case 10:
        return NumberOrDash(entry.GetEndDay());
    case 11:
        if (type >= DT_MONTHLY && type <= DT_QUARTER3 && f.GetWeek() != 0)
            return NumberOrDash(f.GetWeek());
        return kDash;
    case 12:
        // 1 = Sunday ... 7 = Saturday; none, and 8-15 from foreign files, show as a dash.
        if (entry.GetWeekday() == 0 || entry.GetWeekday() > 7)
            return kDash;
        return WeekdayName(entry.GetWeekday() - 1);
    default:
        return "";
    }
}
