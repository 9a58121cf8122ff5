#include "plugin/MemoString.h"

#include "calendar/Calendar.h"
#include "data/KmdDataFile.h"
#include "platform/Guard.h"

#include <cstring>
#ifdef KOYOMI_TEST_SEAM
#include <stdexcept>
#endif

namespace {
const char* const kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
const char kHeader[] = "今日は、%04d/%02d/%02d %s曜日です。\n";
const char kSeparator[] = "\r\n";
const char kNone[] = "\r\nなし";
const char kErrorText[] = "データファイル読み込みエラー";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n' || c == 0;
}

void FreeSlot(HLOCAL* slot) {
    if (*slot)
        LocalFree(*slot);
    *slot = nullptr;
}

int SlotLength(HLOCAL slot) {
    if (!slot)
        return 0;
    const char* p = static_cast<const char*>(LocalLock(slot));
    if (!p)
        return 0;
    int n = static_cast<int>(strnlen(p, LocalSize(slot)));
    LocalUnlock(slot);
    return n;
}

int AppendAt(HLOCAL* slot, const char* text, SIZE_T& current);
bool NextName(unsigned& pos, char* line, unsigned year, const char* chipText, unsigned length);

#ifdef KOYOMI_TEST_SEAM
// Test-only build: a chip line of this name (no file can have it) makes the generation throw,
// as a failure deep inside the loading would.
const char kThrowLine[] = "|throw|";
#endif

// The body of one generation; false when memory ran out. It keeps the text's length itself,
// so that a long text is not scanned again for every name appended.
bool BuildText(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot,
               std::vector<SkippedFile>* skipped) {
    char work[MEMO_WORK_SIZE];
    std::memset(work, 0, sizeof work);
    // The date comes from outside and its weekday is trusted; one out of range is recomputed
    // rather than read past the table.
    unsigned dow = date.wDayOfWeek;
    if (dow >= 7)
        dow = date.wMonth >= 1 && date.wMonth <= 12 ? DayOfWeek(date.wYear, date.wMonth, date.wDay)
                                                    : dow % 7;
    wsprintfA(work, kHeader, date.wYear, date.wMonth, date.wDay, kWeekdays[dow]);
    SIZE_T length = 0;
    if (AppendAt(slot, work, length) < 0)
        return false;

    CKmdDataFile file;
    file.Clear();
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    // The chip text is measured once; every line is then found from where the last one ended.
    const unsigned chipLength = static_cast<unsigned>(std::strlen(chipText));
    while (NextName(pos, line, date.wYear, chipText, chipLength)) {
#ifdef KOYOMI_TEST_SEAM
        if (std::strcmp(line, kThrowLine) == 0)
            throw std::length_error("test seam");
#endif
        if (!file.Append(line) && skipped)
            skipped->push_back({line, file.GetLoadFailure()});
    }

    if (!file.FindFirst(date))
        return AppendAt(slot, kNone, length) >= 0;

    int counted = 0;
    bool more;
    do {
        CKmdDate entry;
        more = file.FindNext(entry);
        if (entry.IsEmpty())
            continue;
        std::memset(work, 0, sizeof work);
        entry.GetName(work); // 128 bytes into a zeroed buffer: a name without NUL ends at 128
        if (AppendAt(slot, kSeparator, length) < 0 || AppendAt(slot, work, length) < 0)
            return false;
        ++counted;
    } while (more);
    if (counted == 0)
        return AppendAt(slot, kNone, length) >= 0;
    return true;
}

// The generator's entry: an exception from anywhere inside counts as a text that could not
// be built.
bool BuildTextGuarded(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot,
                      std::vector<SkippedFile>* skipped) {
    KOYOMI_GUARD_BEGIN
    return BuildText(chipText, date, slot, skipped);
    KOYOMI_GUARD_END(false)
}
} // namespace

int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot) {
    return MakeMemoString(chipText, date, slot, nullptr);
}

int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot,
                   std::vector<SkippedFile>* skipped) {
    if (!slot)
        return 0;
    FreeSlot(slot);
    if (chipText && chipText[0]) {
        if (!BuildTextGuarded(chipText, date, slot, skipped))
            FreeSlot(slot); // a half-built text is no answer: fall back to the error text
    }
    if (!*slot)
        AppendText(slot, kErrorText);
    return SlotLength(*slot);
}

bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText) {
    if (!chipText || !line)
        return false;
    return NextName(pos, line, year, chipText, static_cast<unsigned>(std::strlen(chipText)));
}

namespace {
// NextDataFileName for a chip text of a known length.
bool NextName(unsigned& pos, char* line, unsigned year, const char* chipText, unsigned length) {
    while (pos < length) {
        while (pos < length &&
               (chipText[pos] == '\r' || chipText[pos] == '\n' || chipText[pos] == '\t'))
            ++pos;
        char year4[16];
        const int yearLen = wsprintfA(year4, "%d", static_cast<int>(year));
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
            continue;
        }
        line[n] = 0;
        return n > 0;
    }
    return false;
}

// AppendText at a known text length, which it advances.
int AppendAt(HLOCAL* slot, const char* text, SIZE_T& current) {
    if (!slot || !text || !text[0])
        return 1;
    bool fresh = false;
    if (!*slot) {
        *slot = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 128);
        if (!*slot)
            return -1;
        fresh = true;
        current = 0;
    }
    const SIZE_T add = std::strlen(text);
    const SIZE_T size = LocalSize(*slot);
    if (size <= current + add + 1) {
        const SIZE_T grow = (add + 1 + 127) / 128 * 128;
        HLOCAL bigger = LocalReAlloc(*slot, size + grow, LMEM_MOVEABLE | LMEM_ZEROINIT);
        if (!bigger) {
            if (fresh)
                FreeSlot(slot);
            return -1;
        }
        *slot = bigger;
    }
    char* p = static_cast<char*>(LocalLock(*slot));
    if (!p)
        return -1;
    std::memcpy(p + current, text, add + 1);
    LocalUnlock(*slot);
    current += add;
    return 0;
}
} // namespace

int AppendText(HLOCAL* slot, const char* text) {
    if (!slot || !text || !text[0])
        return 1;
    SIZE_T current = static_cast<SIZE_T>(SlotLength(*slot));
    return AppendAt(slot, text, current);
}
