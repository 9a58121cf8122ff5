#include "tools/koyomi/DayRange.h"

#include "calendar/Calendar.h"
#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/Common.h"

#include <cstdio>

namespace {
unsigned long Key(const SYSTEMTIME& d) {
    return d.wYear * 10000ul + d.wMonth * 100ul + d.wDay;
}

// The same path once: with "%year%" a missing file of one year is also named by the next.
template <class T> void AddOnce(std::vector<T>& list, const T& item) {
    for (const T& t : list)
        if (t.path == item.path)
            return;
    list.push_back(item);
}
} // namespace

bool Before(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return Key(a) < Key(b);
}

bool AddDays(SYSTEMTIME& date, unsigned n) {
    std::uint32_t y = date.wYear, m = date.wMonth, d = date.wDay;
    for (unsigned i = 0; i < n; ++i) {
        NextDay(y, m, d);
        if (y > LAST_YEAR)
            return false;
    }
    date = MakeDate(y, m, d);
    return true;
}

unsigned CountDays(const SYSTEMTIME& from, const SYSTEMTIME& to, unsigned limit) {
    if (Before(to, from))
        return 0;
    std::uint32_t y = from.wYear, m = from.wMonth, d = from.wDay;
    unsigned n = 1;
    for (; n <= limit && Key(MakeDate(y, m, d)) != Key(to); ++n)
        NextDay(y, m, d);
    return n;
}

bool CDayWalk::Run(const std::string& chip, const SYSTEMTIME& from, const SYSTEMTIME& to,
                   const Visit& visit) {
    std::uint32_t y = from.wYear, m = from.wMonth, d = from.wDay;
    CChipFiles files;
    std::vector<DayHit> hits;
    std::string names; // the hits' name bytes
    unsigned loadedYear = 0;
    for (;;) {
        const SYSTEMTIME date = MakeDate(y, m, d);
        if (Before(to, date))
            return true;
        if (y != loadedYear) {
            // The holiday table built for this year, as the plug-in builds it on that day.
            std::vector<SkippedFile> s;
            std::vector<CutFile> c;
            if (!files.Load(chip.c_str(), y, y, &s, &c))
                return false;
            for (const SkippedFile& f : s)
                AddOnce(skipped, f);
            for (const CutFile& f : c)
                AddOnce(cut, f);
            readAny = readAny || files.FileCount() != 0;
            loadedYear = y;
        }
        if (!files.Hits(date, hits, names) || !visit(date, files, hits))
            return false;
        NextDay(y, m, d);
    }
}

void CDayWalk::Warn() const {
    for (const SkippedFile& s : skipped)
        WarnSkipped(s);
    for (const CutFile& c : cut)
        WarnCut(c);
}
