#include "calendar/DayText.h"

#include "calendar/Calendar.h"
#include "calendar/Rules.h"
#include "data/KmbRecords.h"
#include "platform/Clock.h"
#include "platform/Guard.h"

#include <cstring>
#include <exception>
#ifdef KOYOMI_TEST_SEAM
#include <stdexcept>
#endif

namespace {
const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char kHeader[] = "今日は、%04d/%02d/%02d %s曜日です。\n";
const char kSeparator[] = "\r\n";
const char kNone[] = "\r\nなし";
const char kErrorText[] = "データファイル読み込みエラー";

#ifdef KOYOMI_TEST_SEAM
// Test-only build: a chip line of this name (no file can have it) makes the generation throw,
// as a failure deep inside the loading would.
const char kThrowLine[] = "|throw|";
#endif

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n' || c == 0;
}

// NextDataFileName for a chip text of a known length.
// An over-long line dropped on the way goes to *skipped when given.
bool NextName(unsigned& pos, char* line, unsigned year, const char* chipText, unsigned length,
              std::vector<SkippedFile>* skipped = nullptr) {
    while (pos < length) {
        while (pos < length &&
               (chipText[pos] == '\r' || chipText[pos] == '\n' || chipText[pos] == '\t'))
            ++pos;
        char year4[16];
        const int yearLen = wsprintfA(year4, "%d", static_cast<int>(year));
        const unsigned lineStart = pos;
        int n = 0;
        bool fits = true;
        while (!IsLineEnd(chipText[pos])) {
            if (chipText[pos] == '%' && (std::strncmp(chipText + pos, "%YEAR%", 6) == 0 ||
                                         std::strncmp(chipText + pos, "%year%", 6) == 0)) {
                if (n + yearLen > MEMO_LINE_SIZE - 1)
                    fits = false;
                else
                    std::memcpy(line + n, year4, yearLen);
                n += yearLen;
                pos += 6;
            } else {
                if (n + 1 > MEMO_LINE_SIZE - 1)
                    fits = false;
                else
                    line[n] = chipText[pos];
                ++n;
                ++pos;
            }
            if (!fits)
                n = MEMO_LINE_SIZE; // keep counting out of the way; the line is dropped
        }
        if (!fits) {
            line[0] = 0; // over-long: no file is opened under a cut path
            if (skipped)
                skipped->push_back(
                    {std::string(chipText + lineStart, pos - lineStart), LOAD_PATH_TOO_LONG});
            continue;
        }
        // A path wrapped whole in double quotes (as Windows copies a path) names the path
        // inside them: no Windows path can hold a quote, so no working line changes meaning.
        if (n >= 3 && line[0] == '"' && line[n - 1] == '"') {
            n -= 2;
            std::memmove(line, line + 1, static_cast<std::size_t>(n));
        }
        line[n] = 0;
        return n > 0;
    }
    return false;
}

// The name as the chip shows it: the name bytes up to the first NUL, at most the 127 an entry
// keeps.
std::size_t ShownNameLength(const KmbRecordBytes& r) {
    const std::size_t kept = r.nameLength < KMD_NAME_MAX ? r.nameLength : KMD_NAME_MAX;
    const void* nul = std::memchr(r.name, 0, kept);
    return nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - r.name) : kept;
}

bool BuildText(const char* chipText, const SYSTEMTIME& date, std::vector<SkippedFile>* skipped,
               std::vector<CutFile>* cut, std::string& text) {
    char work[MEMO_WORK_SIZE];
    // The date comes from outside and its weekday is trusted; one out of range is recomputed
    // rather than read past the table.
    unsigned dow = date.wDayOfWeek;
    if (dow >= 7)
        dow = date.wMonth >= 1 && date.wMonth <= 12 ? DayOfWeek(date.wYear, date.wMonth, date.wDay)
                                                    : dow % 7;
    wsprintfA(work, kHeader, date.wYear, date.wMonth, date.wDay, kWeekdays[dow]);
    text = work;

    // The holidays are those of the current year, whatever date is shown.
    SYSTEMTIME now;
    ReadLocalTime(&now);
    CChipFiles files;
    if (!files.Load(chipText, date.wYear, now.wYear, skipped, cut))
        return false;
    const std::size_t headerLength = text.size();
    files.ForEachHit(
        date,
        [](const DayHit& h, void* out) {
            std::string& t = *static_cast<std::string*>(out);
            t += kSeparator;
            t.append(h.name, h.nameLength);
        },
        &text);
    if (text.size() == headerLength)
        text += kNone;
    return true;
}

bool BuildTextGuarded(const char* chipText, const SYSTEMTIME& date,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut,
                      std::string& text) {
    KOYOMI_GUARD_BEGIN
    return BuildText(chipText, date, skipped, cut, text);
    KOYOMI_GUARD_END(false)
}
} // namespace

bool CChipFiles::Load(const char* chipText, unsigned pathYear, unsigned holidayYear,
                      std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut) {
    KOYOMI_GUARD_BEGIN
    files.clear();
    holidays.Clear();
    if (!chipText)
        return true;
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    // The chip text is measured once; every line is then found from where the last one ended.
    const unsigned chipLength = static_cast<unsigned>(std::strlen(chipText));
    while (NextName(pos, line, pathYear, chipText, chipLength, skipped)) {
#ifdef KOYOMI_TEST_SEAM
        if (std::strcmp(line, kThrowLine) == 0)
            throw std::length_error("test seam");
#endif
        File f;
        OpenFailure opened;
        LoadFailure why = LOAD_OK;
        if (!f.bytes.Load(line, &opened))
            why = LoadFailureOf(opened);
        else if (!IsKmbHeader(f.bytes.Data(), f.bytes.Size()))
            why = LOAD_NOT_DATA_FILE;
        if (why != LOAD_OK) {
            if (skipped)
                skipped->push_back({line, why});
            continue;
        }
        f.path = line;
        files.push_back(std::move(f));
    }
    // Every named file is loaded before any entry is matched, so that the holidays of each
    // move the entries of all.
    KmbRecordBytes r{};
    for (const File& f : files) {
        CKmbCursor c(f.bytes.Data(), f.bytes.Size());
        std::uint32_t present = 0;
        for (; c.Next(r); ++present) {
            const KmdRule rule = RuleAt(r.bytes, r.available);
            if (rule.flags.IsHoliday())
                MarkRuleHolidays(rule, holidayYear, holidays);
        }
        if (cut && present != 0 && !r.whole) // the bytes ended inside a promised record
            cut->push_back({f.path, c.Promised(), present});
    }
    return true;
    KOYOMI_GUARD_END((files.clear(), false))
}

void CChipFiles::ForEachHit(const SYSTEMTIME& date, void (*visit)(const DayHit&, void*),
                            void* context) const {
    KmbRecordBytes r{};
    for (std::size_t i = 0; i < files.size(); ++i) {
        unsigned record = 0;
        for (CKmbCursor c(files[i].bytes.Data(), files[i].bytes.Size()); c.Next(r); ++record) {
            const KmdRule rule = RuleAt(r.bytes, r.available);
            if (!Matches(rule, date, holidays))
                continue;
            // An applying entry without a name adds nothing.
            const std::size_t length = ShownNameLength(r);
            if (length != 0)
                visit({static_cast<unsigned>(i), record, reinterpret_cast<const char*>(r.name),
                       length, rule.flags.IsHoliday()},
                      context);
        }
    }
}

bool CChipFiles::Hits(const SYSTEMTIME& date, std::vector<DayHit>& out) const {
    KOYOMI_GUARD_BEGIN
    out.clear();
    ForEachHit(
        date,
        [](const DayHit& h, void* list) { static_cast<std::vector<DayHit>*>(list)->push_back(h); },
        &out);
    return true;
    KOYOMI_GUARD_END((out.clear(), false))
}

std::string MakeDayText(const char* chipText, const SYSTEMTIME& date,
                        std::vector<SkippedFile>* skipped, std::vector<CutFile>* cut) {
    // A text that could not be built whole is no answer: the error text stands instead.
    std::string text;
    if (chipText && chipText[0] && BuildTextGuarded(chipText, date, skipped, cut, text))
        return text;
    KOYOMI_GUARD_BEGIN
    return kErrorText;
    KOYOMI_GUARD_END(std::string())
}

bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText) {
    if (!chipText || !line)
        return false;
    return NextName(pos, line, year, chipText, static_cast<unsigned>(std::strlen(chipText)));
}
