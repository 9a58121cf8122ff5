#include "calendar/JapanHolidays.h"

#include "calendar/Calendar.h"

#include <cstring>

namespace {
constexpr unsigned OPEN = 9999; // a rule still in force

// A holiday on the same date every year, from `from` to `to` inclusive.
struct FixedRule {
    unsigned from, to, month, day;
    const char* name;
};

const FixedRule FIXED_RULES[] = {
    {2000, OPEN, 1, 1, "元日"},           {2000, OPEN, 2, 11, "建国記念の日"},
    {2020, OPEN, 2, 23, "天皇誕生日"},    {2000, 2006, 4, 29, "みどりの日"},
    {2007, OPEN, 4, 29, "昭和の日"},      {2000, OPEN, 5, 3, "憲法記念日"},
    {2007, OPEN, 5, 4, "みどりの日"},     {2000, OPEN, 5, 5, "こどもの日"},
    {2000, 2002, 7, 20, "海の日"},        {2016, OPEN, 8, 11, "山の日"},
    {2000, 2002, 9, 15, "敬老の日"},      {2000, OPEN, 11, 3, "文化の日"},
    {2000, OPEN, 11, 23, "勤労感謝の日"}, {2000, 2018, 12, 23, "天皇誕生日"},
};

// A holiday on the nth Monday of a month (the Monday holidays of 2000 and 2003).
struct MondayRule {
    unsigned from, to, month, n;
    const char* name;
};

const MondayRule MONDAY_RULES[] = {
    {2000, OPEN, 1, 2, "成人の日"},      {2003, OPEN, 7, 3, "海の日"},
    {2003, OPEN, 9, 3, "敬老の日"},      {2000, 2019, 10, 2, "体育の日"},
    {2020, OPEN, 10, 2, "スポーツの日"},
};

// One year's exceptions by special act: a date here replaces that year's date of the holiday
// of the same name, or adds a holiday that has no rule. The 2019 days count as national
// holidays proper, so the days between them become 国民の休日 by the ordinary rule.
struct OneOff {
    unsigned year, month, day;
    const char* name;
};

const OneOff ONE_OFFS[] = {
    {2019, 5, 1, "即位の日"},      {2019, 10, 22, "即位礼正殿の儀"}, {2020, 7, 23, "海の日"},
    {2020, 7, 24, "スポーツの日"}, {2020, 8, 10, "山の日"},          {2021, 7, 22, "海の日"},
    {2021, 7, 23, "スポーツの日"}, {2021, 8, 8, "山の日"},
};

const char* const SUBSTITUTE = "振替休日";
const char* const CITIZENS = "国民の休日";
// The 2007 amendment: a substitute day skips over following holidays, and a day between two
// holidays may be a Sunday.
constexpr unsigned AMENDED_2007 = 2007;

// floor(base + 0.242194 (Y - 1980) - floor((Y - 1980) / 4)) with base in millionths; exact
// integer arithmetic, since the value comes within 1e-4 of a whole day in some years.
unsigned EquinoxDay(unsigned year, unsigned base) {
    const unsigned n = year - 1980; // [0, 119]
    return (base + 242194u * n - 1000000u * (n / 4)) / 1000000u;
}

// The year as days 1-366, each with the name of its holiday or null.
class CYearTable {
public:
    explicit CYearTable(unsigned y) : year(y) {
        for (const char*& n : names)
            n = nullptr;
        length = 0;
        for (unsigned m = 1; m <= 12; ++m)
            length += DaysInMonth(year, m);
    }

    unsigned Length() const { return length; }
    unsigned Index(unsigned month, unsigned day) const {
        unsigned k = day;
        for (unsigned m = 1; m < month; ++m)
            k += DaysInMonth(year, m);
        return k;
    }
    bool IsSunday(unsigned k) const { return DayOfWeek(year, 1, k) == 0; }
    const char*& At(unsigned k) { return names[k]; }
    bool Has(unsigned k) const { return k >= 1 && k <= length && names[k] != nullptr; }

    void AppendTo(std::vector<JapanHoliday>& out) const {
        unsigned month = 1, day = 1;
        for (unsigned k = 1; k <= length; ++k) {
            if (names[k])
                out.push_back({month, day, names[k]});
            if (++day > DaysInMonth(year, month)) {
                ++month;
                day = 1;
            }
        }
    }

private:
    unsigned year;
    unsigned length;
    const char* names[367];
};

const OneOff* OneOffFor(unsigned year, const char* name) {
    for (const OneOff& o : ONE_OFFS)
        if (o.year == year && std::strcmp(o.name, name) == 0)
            return &o;
    return nullptr;
}

// A rule's date unless a one-off moves that holiday this year.
void Place(CYearTable& table, unsigned year, unsigned month, unsigned day, const char* name) {
    if (OneOffFor(year, name))
        return; // placed with the one-offs
    table.At(table.Index(month, day)) = name;
}

// The national holidays proper (国民の祝日), without the days the law adds to them.
void PlaceNationalHolidays(CYearTable& table, unsigned year) {
    for (const FixedRule& r : FIXED_RULES)
        if (r.from <= year && year <= r.to)
            Place(table, year, r.month, r.day, r.name);
    for (const MondayRule& r : MONDAY_RULES)
        if (r.from <= year && year <= r.to)
            Place(table, year, r.month, NthWeekday(year, r.month, r.n, 1), r.name);
    Place(table, year, 3, SpringEquinoxDay(year), "春分の日");
    Place(table, year, 9, AutumnEquinoxDay(year), "秋分の日");
    for (const OneOff& o : ONE_OFFS)
        if (o.year == year)
            table.At(table.Index(o.month, o.day)) = o.name;
}
} // namespace

unsigned SpringEquinoxDay(unsigned year) {
    return EquinoxDay(year, 20843100u);
}

unsigned AutumnEquinoxDay(unsigned year) {
    return EquinoxDay(year, 23248800u);
}

bool JapanHolidays(unsigned year, std::vector<JapanHoliday>& out) {
    out.clear();
    if (year < JAPAN_HOLIDAYS_FIRST_YEAR || year > JAPAN_HOLIDAYS_LAST_YEAR)
        return false;
    CYearTable proper(year);
    PlaceNationalHolidays(proper, year);

    CYearTable days = proper;
    const bool amended = year >= AMENDED_2007;
    // 振替休日: a national holiday on a Sunday makes the next day that is no national holiday
    // a day off; before 2007 only the very next day, and only when it is no holiday itself.
    for (unsigned k = 1; k <= proper.Length(); ++k) {
        if (!proper.Has(k) || !proper.IsSunday(k))
            continue;
        unsigned next = k + 1;
        while (amended && proper.Has(next))
            ++next;
        if (next <= proper.Length() && !days.Has(next))
            days.At(next) = SUBSTITUTE;
    }
    // 国民の休日: a day between two national holidays proper (substitute days do not count)
    // that is no holiday itself; before 2007 neither a Sunday nor a substitute day.
    for (unsigned k = 2; k < proper.Length(); ++k) {
        if (days.Has(k) || !proper.Has(k - 1) || !proper.Has(k + 1))
            continue;
        if (!amended && proper.IsSunday(k))
            continue;
        days.At(k) = CITIZENS;
    }
    days.AppendTo(out);
    return true;
}
