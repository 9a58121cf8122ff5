// The legacy text data file: one entry per line, eight fields, "#" comments.
#include "data/KmdEntryFile.h"

#include "data/LegacyText.h"
#include "platform/Files.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <vector>

namespace {
constexpr int LINE_BUFFER = 1024;

// Windows' text mode done by hand, so that both builds read the same lines: a CR before an
// LF is dropped and a 0x1A byte ends the file.
class CTextReader {
public:
    CTextReader(const unsigned char* bytes, std::size_t size) : p(bytes), n(size) {}

    // As fgets with a buffer of `size`: at most size - 1 bytes up to and including a line
    // feed, then a NUL. Returns the bytes read, 0 at the end of the file. `sawLineFeed` tells
    // whether the read consumed a line feed (the next read starts a new line of the file).
    int ReadLine(char* buf, int size, bool& sawLineFeed) {
        int n = 0;
        sawLineFeed = false;
        while (n < size - 1) {
            const int c = Get();
            if (c == EOF)
                break;
            buf[n++] = static_cast<char>(c);
            if (c == '\n') {
                sawLineFeed = true;
                break;
            }
        }
        buf[n] = 0;
        return n;
    }

private:
    int Get() {
        if (ended)
            return EOF;
        if (at == n || p[at] == 0x1A) {
            ended = true;
            return EOF;
        }
        const int c = p[at++];
        if (c == '\r' && at < n && p[at] == '\n') {
            ++at;
            return '\n';
        }
        return c;
    }

    const unsigned char* p;
    std::size_t n;
    std::size_t at = 0;
    bool ended = false;
};

// Decimal as strtol converts it, the whole field consumed, within the signed 32-bit range.
bool ToNumber(const char* text, long& out) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != 0 || errno == ERANGE)
        return false;
    if (v < -2147483647L - 1 || v > 2147483647L)
        return false;
    out = v;
    return true;
}

struct TypeCode {
    long code;
    unsigned type;
    bool odd;
    bool last;
    bool nth; // field 6 carries a week in its tens digit
};

const TypeCode TYPE_CODES[] = {
    {0, DT_DAY, false, false, false},       {1, DT_WEEKLY, false, false, false},
    {2, DT_BIWEEKLY, true, false, false},   {3, DT_BIWEEKLY, false, false, false},
    {4, DT_MONTHLY, false, false, false},   {5, DT_BIMONTHLY, true, false, false},
    {6, DT_BIMONTHLY, false, false, false}, {7, DT_MONTHLY, false, true, false},
    {10, DT_PERIOD, false, false, false},   {24, DT_MONTHLY, false, false, true},
    {25, DT_BIMONTHLY, true, false, true},  {26, DT_BIMONTHLY, false, false, true},
    {31, DT_QUARTER1, false, false, false}, {32, DT_QUARTER2, false, false, false},
    {33, DT_QUARTER3, false, false, false}, {51, DT_QUARTER1, false, false, true},
    {52, DT_QUARTER2, false, false, true},  {53, DT_QUARTER3, false, false, true},
};

struct HolidayCode {
    long code;
    std::uint16_t bits;
};

const HolidayCode HOLIDAY_CODES[] = {
    {0, 0},
    {1, DF_HOLIDAY},
    {10, DF_SHIFT_SUN_HOL},
    {11, DF_SHIFT_SAT_SUN_HOL},
    {12, DF_SHIFT_SUN_HOL | DF_SHIFT_LATER},
    {13, DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER},
    {14, DF_PAYDAY_SHIFT},
    {15, DF_PAYDAY_SHIFT | DF_SHIFT_SAT_SUN_HOL},
};

// Field 1: the type code replaces the whole flags word.
bool ApplyTypeCode(long code, CKmdDate& entry, bool& nth) {
    for (const TypeCode& t : TYPE_CODES) {
        if (t.code != code)
            continue;
        CKmdDateFlags f;
        f.SetType(t.type);
        f.SetOdd(t.odd);
        f.SetLast(t.last);
        if (t.nth)
            f.SetWeek(1); // marks the nth-weekday form; field 6 supplies the real week
        entry.SetFlags(f);
        nth = t.nth;
        return true;
    }
    return false;
}

// Field 7: the holiday code adds bits to those of the type code.
bool ApplyHolidayCode(long code, CKmdDate& entry) {
    for (const HolidayCode& h : HOLIDAY_CODES) {
        if (h.code != code)
            continue;
        CKmdDateFlags f = entry.GetFlags();
        f.SetWord(static_cast<std::uint16_t>(f.GetWord() | h.bits));
        entry.SetFlags(f);
        return true;
    }
    return false;
}

// The scan of one line. Values a setter refuses are dropped (the field keeps its value).
class CLineScanner {
public:
    enum Outcome { LINE_ADD, LINE_DROP, IMPORT_STOP };

    Outcome Scan(const char* text, std::size_t length, CKmdDate& entry) {
        entry.Clear();
        done = 0;
        pending = 0;
        quoted = false;
        nth = false;
        if (length == 0 || text[0] == '\n')
            return LINE_DROP;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = text[i];
            if (c == '#') {
                if (i == 0 || pending == 0)
                    return Finish();
                if (quoted)
                    return IMPORT_STOP;
                if (!Complete(entry))
                    return IMPORT_STOP;
            } else if (c == '\t' || (c == ' ' && !quoted)) {
                if (pending != 0 && !Complete(entry))
                    return IMPORT_STOP;
            } else if (c == '"' && done == 7) {
                quoted = !quoted; // quotes only in the name field, never stored
            } else if (done < 8) {
                field[pending++] = c; // the line holds at most 1023 bytes
            } else {
                return Finish();
            }
        }
        if (quoted)
            return IMPORT_STOP;
        if (pending != 0) {
            if (!Complete(entry))
                return IMPORT_STOP;
        } else if (done < 8) {
            return IMPORT_STOP;
        }
        return Finish();
    }

private:
    Outcome Finish() const { return done == 8 ? LINE_ADD : LINE_DROP; }

    bool Complete(CKmdDate& entry) {
        field[pending] = 0;
        pending = 0;
        const int number = ++done;
        if (number == 8)
            return entry.SetName(field), true;
        long v = 0;
        if (!ToNumber(field, v))
            return false;
        const bool inRange = v >= 0;
        const unsigned u = inRange ? static_cast<unsigned>(v) : 0;
        switch (number) {
        case 1:
            return ApplyTypeCode(v, entry, nth);
        case 2:
            if (inRange)
                entry.SetStartMonth(u);
            break;
        case 3:
            if (inRange)
                entry.SetStartDay(u);
            break;
        case 4:
            if (inRange)
                entry.SetEndMonth(u);
            break;
        case 5:
            if (inRange)
                entry.SetEndDay(u);
            break;
        case 6:
            // A negative code is dropped whole: neither week nor weekday.
            if (!inRange)
                break;
            if (nth) {
                CKmdDateFlags f = entry.GetFlags();
                if (f.SetWeek(u / 10)) // above 5 is dropped and week 1 stays
                    entry.SetFlags(f);
            }
            entry.SetWeekday(u % 10);
            break;
        case 7:
            return ApplyHolidayCode(v, entry);
        }
        return true;
    }

    char field[LINE_BUFFER];
    std::size_t pending = 0;
    int done = 0;
    bool quoted = false;
    bool nth = false;
};
} // namespace

namespace {
struct ImportStop {
    unsigned line = 0;   // 1-based; 0 when the import read to the end
    unsigned offset = 0; // bytes of that line read (and scanned) before the piece that stopped
};
// The lines of the file into entries, and where the import stopped.
ImportStop ImportLines(const unsigned char* bytes, std::size_t size,
                       std::vector<CKmdDate>& entries);
} // namespace

bool CKmdEntryFile::ImportText(const char* path) {
    // A folder opens for reading natively and would import as an empty file; a device or a
    // FIFO would never end.
    OpenFailure opened;
    CFileBytes bytes;
    if (!bytes.Load(path, &opened))
        return Refuse(LoadFailureOf(opened));
    return ImportTextBytes(bytes.Data(), bytes.Size());
}

bool CKmdEntryFile::ImportTextBytes(const unsigned char* bytes, std::size_t size) {
    // Imported aside and swapped in at the end, so that running out of memory on a huge
    // file leaves the list as it was.
    std::vector<CKmdDate> imported;
    ImportStop stop;
    try {
        // Today's Notepad saves UTF-8; the lines are read in code page 932.
        std::string cp932;
        if (LegacyTextToCp932(bytes, size, cp932))
            stop = ImportLines(reinterpret_cast<const unsigned char*>(cp932.data()), cp932.size(),
                               imported);
        else
            stop = ImportLines(bytes, size, imported);
    } catch (const std::exception&) {
        return Refuse(LOAD_TOO_LARGE);
    }
    entries.swap(imported);
    report = LoadReport();
    report.importStopLine = stop.line;
    report.importStopOffset = stop.offset;
    OnEntriesAdded(0);
    return true;
}

namespace {
ImportStop ImportLines(const unsigned char* bytes, std::size_t size,
                       std::vector<CKmdDate>& entries) {
    ImportStop stop;
    CTextReader reader(bytes, size);
    CLineScanner scanner;
    char line[LINE_BUFFER];
    unsigned lineNumber = 1; // of the file, whatever the pieces a long line is read in
    unsigned offset = 0;     // into that line: a line longer than the buffer comes in pieces
    bool sawLineFeed = false;
    for (int n; (n = reader.ReadLine(line, sizeof line, sawLineFeed)) > 0;) {
        // A NUL ends the text of the read, as fgets and strlen see it.
        CKmdDate entry;
        const CLineScanner::Outcome r = scanner.Scan(line, std::strlen(line), entry);
        if (r == CLineScanner::IMPORT_STOP) {
            // The rest is not imported; the caller can tell the user where. A later piece of
            // a long line stops after the earlier pieces may have given an entry.
            stop.line = lineNumber;
            stop.offset = offset;
            break;
        }
        if (r == CLineScanner::LINE_ADD)
            entries.push_back(entry);
        if (sawLineFeed) {
            ++lineNumber;
            offset = 0;
        } else {
            offset += static_cast<unsigned>(n);
        }
    }
    return stop;
}
} // namespace
