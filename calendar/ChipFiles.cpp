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

// The name as the chip shows it: the name bytes up to the first NUL, at most the 127 an entry
// keeps.
std::size_t ShownNameLength(const KmbRecordBytes& r) {
    const std::size_t kept = r.nameLength < KMD_NAME_MAX ? r.nameLength : KMD_NAME_MAX;
    const void* nul = std::memchr(r.name, 0, kept);
    return nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - r.name) : kept;
}
} // namespace

bool CChipFiles::Load(const char* chipText, unsigned pathYear, unsigned holidayYear,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut) {
    KOYOMI_GUARD_BEGIN
    files.clear();
    holidays.Clear();
    mostNotice = 0;
    if (!chipText)
        return true;
    const CKmbWalkBuffer buffer;
    if (!buffer.Bytes())
        return false;
    unsigned pos = 0, notice = 0;
    char line[MEMO_LINE_SIZE];
    // The chip text is measured once; every line is then found from where the last one ended.
    const unsigned chipLength = static_cast<unsigned>(std::strlen(chipText));
    // Every named file is read before any entry is matched, so that the holidays of each move
    // the entries of all.
    while (NextChipLine(pos, line, pathYear, chipText, chipLength, notice, skipped)) {
#ifdef KOYOMI_TEST_SEAM
        if (std::strcmp(line, kThrowLine) == 0)
            throw std::length_error("test seam");
#endif
        if (notice > mostNotice)
            mostNotice = notice;
        CKmbFileWalk walk(buffer);
        LoadFailure why = LOAD_OK;
        const CKmdHoliday before = holidays;
        std::uint32_t present = 0;
        KmbRecordBytes r{};
        if (walk.Open(line, why)) {
            for (; walk.Next(r); ++present) {
                // Only a holiday entry is decoded: its flags word says so.
                if (r.available >= RULE_SIZE &&
                    (GetLe16(r.bytes + RECORD_FLAGS_OFFSET) & DF_HOLIDAY) != 0)
                    MarkRuleHolidays(RuleAt(r.bytes, r.available), holidayYear, holidays);
            }
            if (walk.Failed()) {
                holidays = before; // a file that could not be read whole adds nothing
                why = LOAD_UNREADABLE;
            }
        }
        if (why != LOAD_OK) {
            if (skipped)
                skipped->push_back({line, why});
            continue;
        }
        files.push_back({line, notice});
        if (cut && present != 0 && !r.whole) // the bytes ended inside a promised record
            cut->push_back({line, walk.Promised(), present});
    }
    return true;
    KOYOMI_GUARD_END((files.clear(), false))
}

bool CChipFiles::ForEachHitOn(const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                              void (*visit)(unsigned, const DayHit&, void*), void* context) const {
    KOYOMI_GUARD_BEGIN
    if (files.empty() || count == 0)
        return true;
    const CKmbWalkBuffer buffer;
    if (!buffer.Bytes())
        return false;
    KmbRecordBytes r{};
    for (std::size_t i = 0; i < files.size(); ++i) {
        // The dates this file is asked about.
        SYSTEMTIME asked[1 + MAX_NOTICE_DAYS];
        unsigned index[1 + MAX_NOTICE_DAYS];
        unsigned n = 0;
        for (unsigned d = 0; d < count && n < sizeof index / sizeof index[0]; ++d)
            if (files[i].notice >= minNotice[d]) {
                asked[n] = dates[d];
                index[n++] = d;
            }
        CKmbFileWalk walk(buffer);
        LoadFailure why;
        // A file gone since it was loaded adds nothing more.
        if (n == 0 || !walk.Open(files[i].path.c_str(), why))
            continue;
        for (unsigned record = 0; walk.Next(r); ++record) {
            const KmdRule rule = RuleAt(r.bytes, r.available);
            std::uint32_t hits = MatchesOn(rule, asked, n, holidays);
            // An applying entry without a name adds nothing.
            const std::size_t length = hits ? ShownNameLength(r) : 0;
            for (unsigned a = 0; hits && length != 0; ++a, hits >>= 1)
                if (hits & 1)
                    visit(index[a],
                          {static_cast<unsigned>(i), record, reinterpret_cast<const char*>(r.name),
                           length, rule.flags.IsHoliday()},
                          context);
        }
    }
    return true;
    KOYOMI_GUARD_END(false)
}

bool CChipFiles::Hits(const SYSTEMTIME& date, std::vector<DayHit>& out, std::string& names) const {
    KOYOMI_GUARD_BEGIN
    out.clear();
    names.clear();
    struct Collect {
        std::vector<DayHit>& out;
        std::string& names;
    } collect{out, names};
    const unsigned every = 0;
    const bool walked = ForEachHitOn(
        &date, &every, 1,
        [](unsigned, const DayHit& h, void* c) {
            Collect& k = *static_cast<Collect*>(c);
            DayHit kept = h;
            kept.name = nullptr; // set once every name is in place
            k.out.push_back(kept);
            k.names.append(h.name, h.nameLength);
        },
        &collect);
    if (!walked)
        return false;
    std::size_t at = 0;
    for (DayHit& h : out) {
        h.name = names.data() + at;
        at += h.nameLength;
    }
    return true;
    KOYOMI_GUARD_END((out.clear(), false))
}
