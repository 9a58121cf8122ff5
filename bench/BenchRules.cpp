#include "bench/BenchRules.h"

#include "calendar/Calendar.h"
#include "calendar/Rules.h"
#include "data/KmdHoliday.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {
// The 2026 holidays the holiday rules use (month, day).
const unsigned kHolidays[][2] = {{1, 1},  {1, 12}, {2, 11}, {2, 23},  {3, 20}, {4, 29},
                                 {5, 3},  {5, 4},  {5, 5},  {5, 6},   {7, 20}, {8, 11},
                                 {9, 21}, {9, 22}, {9, 23}, {10, 12}, {11, 3}, {11, 23}};
const unsigned kHolidayCount = sizeof kHolidays / sizeof kHolidays[0];
const char* const kRemWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kGcalWeekdays[7] = {"su", "mo", "tu", "we", "th", "fr", "sa"};
const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The fields of rule i, in one place for all three formats.
struct Rule {
    RuleKind kind;
    unsigned month = 0, day = 0, endMonth = 0, endDay = 0;
    unsigned weekday = 0; // 0 = Sunday ... 6
    unsigned week = 0;    // nth weekday
    bool odd = false;
    unsigned quarter = 0; // 1-3
    std::string name;
};

Rule MakeRule(unsigned i) {
    Rule r;
    r.kind = static_cast<RuleKind>(i % RK_KIND_COUNT);
    const unsigned v = i / RK_KIND_COUNT; // varies the fields within a kind
    r.weekday = v % 7;
    r.odd = (v / 7) % 2 == 1;
    r.week = v % 4 + 1;
    r.day = v % 28 + 1;
    r.month = v % 12 + 1;
    r.quarter = v % 3 + 1;
    switch (r.kind) {
    case RK_PAYDAY:
        r.day = 20 + v % 9;
        break;
    case RK_PERIOD:
        r.day = v % 20 + 1;
        r.endMonth = r.month;
        r.endDay = r.day + v % 9;
        break;
    case RK_HOLIDAY:
        r.month = kHolidays[v % kHolidayCount][0];
        r.day = kHolidays[v % kHolidayCount][1];
        break;
    default:
        break;
    }
    char name[64];
    std::snprintf(name, sizeof name, "%s %u", RuleKindName(r.kind), i);
    r.name = name;
    return r;
}

CKmdDate ToEntry(const Rule& r) {
    CKmdDate e;
    CKmdDateFlags f;
    e.SetName(r.name.c_str());
    switch (r.kind) {
    case RK_PAYDAY:
        f.SetType(DT_MONTHLY);
        e.SetStartDay(r.day);
        f.SetShiftSatSunHol(true);
        f.SetPaydayShift(true);
        break;
    case RK_LATER:
        f.SetType(DT_MONTHLY);
        e.SetStartDay(r.day);
        f.SetShiftSatSunHol(true);
        f.SetShiftLater(true);
        break;
    case RK_WEEK_PARITY:
        f.SetType(DT_BIWEEKLY);
        f.SetOdd(r.odd);
        e.SetWeekday(r.weekday + 1);
        break;
    case RK_NTH_WEEKDAY:
        f.SetType(DT_MONTHLY);
        f.SetWeek(r.week);
        e.SetWeekday(r.weekday + 1);
        break;
    case RK_LAST_WEEKDAY:
        f.SetType(DT_MONTHLY);
        f.SetLast(true);
        e.SetWeekday(r.weekday + 1);
        break;
    case RK_PERIOD:
        f.SetType(DT_PERIOD);
        e.SetStartMonth(r.month);
        e.SetStartDay(r.day);
        e.SetEndMonth(r.endMonth);
        e.SetEndDay(r.endDay);
        break;
    case RK_ALT_MONTH:
        f.SetType(DT_BIMONTHLY);
        f.SetOdd(r.odd);
        e.SetStartDay(r.day);
        break;
    case RK_QUARTER:
        f.SetType(DT_QUARTER1 + r.quarter - 1);
        e.SetStartDay(r.day);
        break;
    case RK_FIXED_DAY:
        f.SetType(DT_DAY);
        e.SetStartMonth(r.month);
        e.SetStartDay(r.day);
        break;
    case RK_HOLIDAY:
        f.SetType(DT_DAY);
        f.SetHoliday(true);
        e.SetStartMonth(r.month);
        e.SetStartDay(r.day);
        break;
    default:
        break;
    }
    e.SetFlags(f);
    return e;
}

void Le(std::string& out, unsigned v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The first day of the year on which an alternate-week rule applies, found with the rule
// itself so that the peers start their 14-day cycle on the same day.
unsigned FirstParityDay(const Rule& r, unsigned year) {
    const CKmdDate e = ToEntry(r);
    const CKmdHoliday none;
    for (unsigned d = 1; d <= 14; ++d) {
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(year);
        st.wMonth = 1;
        st.wDay = static_cast<WORD>(d);
        st.wDayOfWeek = static_cast<WORD>(DayOfWeek(year, 1, d));
        if (Matches(e.GetRule(), st, none))
            return d;
    }
    return 1;
}
} // namespace

const char* RuleKindName(RuleKind kind) {
    static const char* const names[RK_KIND_COUNT] = {
        "payday", "later",     "week-parity", "nth-weekday", "last-weekday",
        "period", "alt-month", "quarter",     "fixed-day",   "holiday"};
    return kind < RK_KIND_COUNT ? names[kind] : "?";
}

CKmdDate MixedEntry(unsigned i) {
    return ToEntry(MakeRule(i));
}

std::vector<CKmdDate> EntriesOfKind(RuleKind kind, unsigned n) {
    std::vector<CKmdDate> out;
    out.reserve(n);
    for (unsigned k = 0; k < n; ++k)
        out.push_back(MixedEntry(k * RK_KIND_COUNT + kind));
    return out;
}

std::string MixedKmbBytes(unsigned n) {
    std::string b;
    Le(b, 0x20000, 4);
    Le(b, n, 4);
    unsigned char img[CKmdDate::PackedSize()];
    for (unsigned i = 0; i < n; ++i) {
        const CKmdDate e = MixedEntry(i);
        e.Pack(img, sizeof img);
        const std::size_t len = strnlen(reinterpret_cast<const char*>(img + 6), 127);
        b.append(reinterpret_cast<const char*>(img), 6);
        Le(b, static_cast<unsigned>(len), 2);
        b.append(reinterpret_cast<const char*>(img + 6), len);
    }
    return b;
}

std::string MixedRemind(unsigned n, unsigned year) {
    std::string out = "# the holidays, as off days for the moves\n";
    for (unsigned h = 0; h < kHolidayCount; ++h)
        out +=
            "OMIT " + std::to_string(kHolidays[h][1]) + " " + kMonths[kHolidays[h][0] - 1] + "\n";
    for (unsigned i = 0; i < n; ++i) {
        const Rule r = MakeRule(i);
        const std::string day = std::to_string(r.day);
        std::string rem = "REM ";
        switch (r.kind) {
        case RK_PAYDAY:
            rem += day + " OMIT Sat Sun BEFORE";
            break;
        case RK_LATER:
            rem += day + " OMIT Sat Sun AFTER";
            break;
        case RK_WEEK_PARITY:
            rem +=
                std::to_string(FirstParityDay(r, year)) + " Jan " + std::to_string(year) + " *14";
            break;
        case RK_NTH_WEEKDAY:
            rem +=
                std::string(kRemWeekdays[r.weekday]) + " " + std::to_string(7 * (r.week - 1) + 1);
            break;
        case RK_LAST_WEEKDAY:
            rem += std::string(kRemWeekdays[r.weekday]) + " 1 --7";
            break;
        case RK_PERIOD:
            rem += day + " " + kMonths[r.month - 1] + " " + std::to_string(year) + " *1 UNTIL " +
                   std::to_string(r.endDay) + " " + kMonths[r.endMonth - 1] + " " +
                   std::to_string(year);
            break;
        case RK_ALT_MONTH:
            rem += day + " SATISFY [monnum(trigdate()) % 2 == " + (r.odd ? "1" : "0") + "]";
            break;
        case RK_QUARTER:
            rem +=
                day + " SATISFY [monnum(trigdate()) % 3 == " + std::to_string(r.quarter % 3) + "]";
            break;
        case RK_FIXED_DAY:
        case RK_HOLIDAY:
            rem += day + " " + kMonths[r.month - 1];
            break;
        default:
            break;
        }
        out += rem + " MSG " + r.name + "\n";
    }
    return out;
}

std::string MixedGcal(unsigned n, unsigned year) {
    std::string out;
    char buf[128];
    for (unsigned i = 0; i < n; ++i) {
        const Rule r = MakeRule(i);
        switch (r.kind) {
        case RK_PAYDAY: // no move in this language: the plain day
        case RK_LATER:
            std::snprintf(buf, sizeof buf, "000000%02u", r.day);
            break;
        case RK_WEEK_PARITY: {
            const unsigned first = FirstParityDay(r, year);
            const char* wd = kGcalWeekdays[r.weekday];
            std::snprintf(buf, sizeof buf, "0*d%u%s#99%s.14", (first - 1) / 7 + 1, wd, wd);
            break;
        }
        case RK_NTH_WEEKDAY:
            std::snprintf(buf, sizeof buf, "000000%s%u", kGcalWeekdays[r.weekday], r.week);
            break;
        case RK_LAST_WEEKDAY:
            std::snprintf(buf, sizeof buf, "000000%s9", kGcalWeekdays[r.weekday]);
            break;
        case RK_PERIOD:
            std::snprintf(buf, sizeof buf, "0000%02u%02u#%02u%02u", r.month, r.day, r.endMonth,
                          r.endDay);
            break;
        case RK_ALT_MONTH:
        case RK_QUARTER: {
            std::string list = "0000";
            bool first = true;
            for (unsigned m = 1; m <= 12; ++m) {
                const bool in =
                    r.kind == RK_ALT_MONTH ? (m % 2 == 1) == r.odd : m % 3 == r.quarter % 3;
                if (!in)
                    continue;
                char md[8];
                std::snprintf(md, sizeof md, "%s%02u%02u", first ? "" : ",", m, r.day);
                list += md;
                first = false;
            }
            std::snprintf(buf, sizeof buf, "%s", list.c_str());
            break;
        }
        case RK_FIXED_DAY:
        case RK_HOLIDAY:
        default:
            std::snprintf(buf, sizeof buf, "0000%02u%02u", r.month, r.day);
            break;
        }
        out += std::string(buf) + " " + r.name + "\n";
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
