#include "calendar/ChipLine.h"
#include "calendar/DayText.h"
#include "calendar/Rules.h"
#include "data/KmbFileWalk.h"
#include "platform/Guard.h"

#include <cstring>
#ifdef KOYOMI_TEST_SEAM
#include <stdexcept>
#endif

namespace {
#ifdef KOYOMI_TEST_SEAM
// Test-only build: a chip line of this name (no file can have it) makes the generation throw,
// as a failure deep inside the loading would.
const char kThrowLine[] = "|throw|";
#endif

// The name as the chip shows it: the name bytes an entry keeps, up to the first NUL.
std::size_t ShownNameLength(const KmbRecordBytes& r) {
    const std::size_t kept = KeptNameLength(r);
    const void* nul = std::memchr(r.name, 0, kept);
    return nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - r.name) : kept;
}

// The dates of a walk that one file is asked about: those whose notice its line gives.
struct AskedDates {
    AskedDates(const SYSTEMTIME* all, const unsigned* minNotice, unsigned count, unsigned notice) {
        for (unsigned d = 0; d < count && n < 1 + MAX_NOTICE_DAYS; ++d)
            if (notice >= minNotice[d]) {
                dates[n] = all[d];
                index[n++] = d;
            }
    }
    SYSTEMTIME dates[1 + MAX_NOTICE_DAYS];
    unsigned index[1 + MAX_NOTICE_DAYS];
    unsigned n = 0;
};

// Entries of one form (the same six bytes) match alike, whatever their names: a large file
// holds the same payday rule many times. The matches of the costly forms, those that move off
// holidays, are kept for the next entry of the form while the dates and the table stay.
class CFormMemo {
public:
    // Forgets every form (a new file's dates, or a changed table).
    void Clear() { ++stamp; }
    std::uint32_t Hits(const KmdRule& rule, const unsigned char* bytes, const AskedDates& asked,
                       const CKmdHoliday& holidays) {
        if (!ConsultsHolidays(rule)) // its flags word is present, and so is all of its form
            return MatchesOn(rule, asked.dates, asked.n, holidays);
        std::uint64_t key = 0;
        for (std::size_t i = 0; i < RULE_SIZE; ++i)
            key = key << 8 | bytes[i];
        // splitmix64's finaliser: forms that differ in one day still spread over the slots.
        std::uint64_t h = (key ^ (key >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        Slot& s = slots[(h ^ (h >> 31)) & (kSlots - 1)];
        if (s.stamp != stamp || s.key != key) {
            s.key = key;
            s.hits = MatchesOn(rule, asked.dates, asked.n, holidays);
            s.stamp = stamp;
        }
        return s.hits;
    }

private:
    static constexpr std::size_t kSlots = 256;
    struct Slot {
        std::uint64_t key = 0;
        std::uint32_t hits = 0;
        std::uint32_t stamp = 0; // the memo's stamp when it was filled
    };
    Slot slots[kSlots];
    std::uint32_t stamp = 1;
};

// Matches one record on the asked dates and hands each hit with a name to the sink.
void MatchRecord(const KmdRule& rule, const KmbRecordBytes& r, const AskedDates& asked,
                 const CKmdHoliday& holidays, CFormMemo& memo, unsigned file, unsigned record,
                 CHitSink& sink) {
    std::uint32_t hits = memo.Hits(rule, r.bytes, asked, holidays);
    // An applying entry without a name adds nothing.
    const std::size_t length = hits ? ShownNameLength(r) : 0;
    for (unsigned a = 0; hits && length != 0; ++a, hits >>= 1)
        if (hits & 1)
            sink.Hit(asked.index[a], {file, record, reinterpret_cast<const char*>(r.name), length,
                                      rule.flags.IsHoliday()});
}

// A sink for Load, which matches nothing.
class CNoHits : public CHitSink {
public:
    void Hit(unsigned, const DayHit&) override {}
};
} // namespace

bool CChipFiles::Load(const char* chipText, unsigned pathYear, unsigned holidayYear,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut) {
    CNoHits none;
    return LoadAndWalk(chipText, pathYear, holidayYear, nullptr, nullptr, 0, none, skipped, cut);
}

bool CChipFiles::LoadAndWalk(const char* chipText, unsigned pathYear, unsigned holidayYear,
                             const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                             CHitSink& sink, std::vector<SkippedFile>* skipped,
                             std::vector<CutFile>* cut) {
    KOYOMI_GUARD_BEGIN
    files.clear();
    holidays.Clear();
    if (!chipText)
        return true;
    const CKmbWalkBuffer buffer;
    if (!buffer.Bytes())
        return false;
    unsigned pos = 0, notice = 0;
    char line[MEMO_LINE_SIZE];
    CFormMemo memo;
    // The last record that changed the holiday table, and whether an entry that moves off
    // holidays was matched before it (against a table still short of it).
    std::size_t changedFile = 0;
    unsigned changedRecord = 0;
    bool matchedTooEarly = false, movingMatched = false;
    // The chip text is measured once; every line is then found from where the last one ended.
    const unsigned chipLength = static_cast<unsigned>(std::strlen(chipText));
    while (NextChipLine(pos, line, pathYear, chipText, chipLength, notice, skipped)) {
#ifdef KOYOMI_TEST_SEAM
        if (std::strcmp(line, kThrowLine) == 0)
            throw std::length_error("test seam");
#endif
        const std::string opened =
            folder.empty() || !IsRelativePath(line) ? std::string(line) : folder + line;
        CKmbFileWalk walk(buffer);
        LoadFailure why = LOAD_OK;
        if (opened.size() >= MEMO_LINE_SIZE)
            why = LOAD_PATH_TOO_LONG;
        if (why != LOAD_OK || !walk.Open(opened.c_str(), why)) {
            if (skipped)
                skipped->push_back({line, why});
            continue;
        }
        const unsigned file = static_cast<unsigned>(files.size());
        files.push_back({line, opened, notice});
        const AskedDates asked(dates, minNotice, count, notice);
        memo.Clear();
        KmbRecordBytes r{};
        for (unsigned record = 0; walk.Next(r); ++record) {
            const KmdRule rule = RuleAt(r.bytes, r.available);
            if (rule.flags.IsHoliday()) {
                const CKmdHoliday before = holidays;
                MarkRuleHolidays(rule, holidayYear, holidays);
                if (before != holidays) {
                    changedFile = file;
                    changedRecord = record;
                    matchedTooEarly = movingMatched;
                    memo.Clear();
                    sink.Mark();
                }
            }
            if (asked.n == 0)
                continue;
            movingMatched = movingMatched || ConsultsHolidays(rule);
            MatchRecord(rule, r, asked, holidays, memo, file, record, sink);
        }
        const KmbRecordCount count = walk.Count();
        if (cut && count.Cut())
            cut->push_back({line, count});
    }
    // Every holiday entry is known only now: the records before the last change that moves
    // off holidays are matched again, so that the holidays of each file move the entries of
    // all.
    if (matchedTooEarly) {
        sink.Redo();
        if (!Walk(dates, minNotice, count, sink, changedFile, changedRecord))
            return false;
        sink.Resume();
    }
    return true;
    KOYOMI_GUARD_END((files.clear(), false))
}

bool CChipFiles::Walk(const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                      CHitSink& sink, std::size_t stopFile, unsigned stopRecord) const {
    const CKmbWalkBuffer buffer;
    if (!buffer.Bytes())
        return false;
    KmbRecordBytes r{};
    CFormMemo memo;
    for (std::size_t i = 0; i < files.size() && i <= stopFile; ++i) {
        const AskedDates asked(dates, minNotice, count, files[i].notice);
        memo.Clear();
        CKmbFileWalk walk(buffer);
        LoadFailure why;
        // A file gone since it was loaded adds nothing more.
        if (asked.n == 0 || !walk.Open(files[i].opened.c_str(), why))
            continue;
        for (unsigned record = 0; walk.Next(r); ++record) {
            if (i == stopFile && record == stopRecord)
                break;
            MatchRecord(RuleAt(r.bytes, r.available), r, asked, holidays, memo,
                        static_cast<unsigned>(i), record, sink);
        }
    }
    return true;
}

bool CChipFiles::ForEachHitOn(const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                              CHitSink& sink) const {
    KOYOMI_GUARD_BEGIN
    return Walk(dates, minNotice, count, sink, files.size(), 0);
    KOYOMI_GUARD_END(false)
}

unsigned MostNoticeDays(const char* chipText) {
    if (!chipText)
        return 0;
    unsigned pos = 0, notice = 0, most = 0;
    char line[MEMO_LINE_SIZE];
    const unsigned chipLength = static_cast<unsigned>(std::strlen(chipText));
    // Every line counts, the year aside: a suffix holds no placeholder.
    while (NextChipLine(pos, line, 2000, chipText, chipLength, notice, nullptr))
        most = notice > most ? notice : most;
    return most;
}
