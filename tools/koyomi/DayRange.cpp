#include "tools/koyomi/DayRange.h"

#include "tools/koyomi/LoadReport.h"

#include <cstdio>

namespace {
// The hits of up to 32 days, kept per day with their names, for one walk over the files.
class CDaysHits : public CHitSink {
public:
    explicit CDaysHits(unsigned days) : hits(days), names(days) {}
    void Hit(unsigned day, const DayHit& h) override {
        DayHit kept = h;
        kept.name = nullptr; // its place in names may still move
        hits[day].push_back(kept);
        names[day].append(h.name, h.nameLength);
    }
    const std::vector<DayHit>& Of(unsigned day) {
        std::size_t at = 0;
        for (DayHit& h : hits[day]) {
            h.name = names[day].data() + at;
            at += h.nameLength;
        }
        return hits[day];
    }

private:
    std::vector<std::vector<DayHit>> hits;
    std::vector<std::string> names;
};

constexpr unsigned kDaysPerWalk = 32; // the most MatchesOn asks at once
} // namespace

bool CDayWalk::Run(const std::string& chip, const SYSTEMTIME& from, const SYSTEMTIME& to,
                   const Visit& visit) {
    std::uint32_t y = from.wYear, m = from.wMonth, d = from.wDay;
    CChipFiles files(folder);
    unsigned loadedYear = 0;
    for (;;) {
        if (Before(to, MakeDate(y, m, d)))
            return true;
        if (y != loadedYear) {
            // The holiday table built for this year, as the plug-in builds it on that day.
            std::vector<SkippedFile> s;
            std::vector<CutFile> c;
            if (!files.Load(chip.c_str(), y, y, &s, &c))
                return false;
            // With "%year%" a missing file of one year is also named by the next.
            AddFileNotes(s, c, &skipped, &cut);
            readAny = readAny || files.FileCount() != 0;
            loadedYear = y;
        }
        // The next days of this year in the range, every record decoded once for all of them.
        SYSTEMTIME days[kDaysPerWalk];
        const unsigned every[kDaysPerWalk] = {};
        unsigned n = 0;
        for (; n < kDaysPerWalk && y == loadedYear && !Before(to, MakeDate(y, m, d)); ++n) {
            days[n] = MakeDate(y, m, d);
            NextDay(y, m, d);
        }
        CDaysHits hits(n);
        if (!files.ForEachHitOn(days, every, n, hits))
            return false;
        for (unsigned i = 0; i < n; ++i)
            if (!visit(days[i], files, hits.Of(i)))
                return false;
    }
}

void CDayWalk::Warn() const {
    WarnFiles(skipped, cut, folder);
}
