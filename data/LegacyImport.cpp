// The legacy text data file: one entry per line, eight fields, "#" comments. Read as the
// platform's text mode and fgets would, done by hand so that both builds agree byte for byte.
#include "data/KmdDataFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr int LINE_BUFFER = 1024; // one read returns at most 1023 bytes

// Text-mode reads: CR LF becomes LF, 0x1A ends the file.
class CTextReader {
public:
    explicit CTextReader(std::FILE* f) : file(f) {}

    // One fgets: up to LINE_BUFFER - 1 bytes, up to and including a line feed. `seen` is the
    // part before the first NUL, which is all that strlen lets the scanner see. `endsLine`
    // tells whether the read ended with a line feed.
    bool Next(std::string& seen, bool& endsLine) {
        std::string raw;
        endsLine = false;
        while (static_cast<int>(raw.size()) < LINE_BUFFER - 1) {
            int c = Get();
            if (c == EOF)
                break;
            raw += static_cast<char>(c);
            if (c == '\n') {
                endsLine = true;
                break;
            }
        }
        if (raw.empty())
            return false;
        seen = raw.substr(0, raw.find('\0'));
        return true;
    }

private:
    int Get() {
        if (ended)
            return EOF;
        int c = pending != EOF ? pending : std::fgetc(file);
        pending = EOF;
        if (c == 0x1A || c == EOF) {
            ended = true;
            return EOF;
        }
        if (c == '\r') {
            int d = std::fgetc(file);
            if (d == '\n')
                return '\n';
            pending = d;
        }
        return c;
    }

    std::FILE* file;
    int pending = EOF;
    bool ended = false;
};

// strtol's conversion of a whole field; values outside 32 bits fail.
bool ToNumber(const std::string& text, long& out) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(begin, &end, 10);
    if (end == begin || *end != 0 || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    out = static_cast<long>(v);
    return true;
}

// Type codes: each replaces the whole flags word. `nth` marks the nth-weekday rules, whose
// week comes from the tens digit of the weekday field.
bool TypeCode(long code, CKmdDateFlags& flags, bool& nth) {
    flags.Clear();
    nth = false;
    switch (code) {
    case 0:
        flags.SetType(DT_DAY);
        break;
    case 1:
        flags.SetType(DT_WEEKLY);
        break;
    case 2:
        flags.SetType(DT_BIWEEKLY);
        flags.SetOdd(true);
        break;
    case 3:
        flags.SetType(DT_BIWEEKLY);
        break;
    case 4:
        flags.SetType(DT_MONTHLY);
        break;
    case 5:
        flags.SetType(DT_BIMONTHLY);
        flags.SetOdd(true);
        break;
    case 6:
        flags.SetType(DT_BIMONTHLY);
        break;
    case 7:
        flags.SetType(DT_MONTHLY);
        flags.SetLast(true);
        break;
    case 10:
        flags.SetType(DT_PERIOD);
        break;
    case 24:
        flags.SetType(DT_MONTHLY);
        nth = true;
        break;
    case 25:
        flags.SetType(DT_BIMONTHLY);
        flags.SetOdd(true);
        nth = true;
        break;
    case 26:
        flags.SetType(DT_BIMONTHLY);
        nth = true;
        break;
    case 31:
        flags.SetType(DT_QUARTER1);
        break;
    case 32:
        flags.SetType(DT_QUARTER2);
        break;
    case 33:
        flags.SetType(DT_QUARTER3);
        break;
    case 51:
        flags.SetType(DT_QUARTER1);
        nth = true;
        break;
    case 52:
        flags.SetType(DT_QUARTER2);
        nth = true;
        break;
    case 53:
        flags.SetType(DT_QUARTER3);
        nth = true;
        break;
    default:
        return false;
    }
    if (nth)
        flags.SetWeek(1);
    return true;
}

bool HolidayCode(long code, CKmdDateFlags& flags) {
    switch (code) {
    case 0:
        break;
    case 1:
        flags.SetHoliday(true);
        break;
    case 10:
        flags.SetShiftSunHol(true);
        break;
    case 11:
        flags.SetShiftSatSunHol(true);
        break;
    case 12:
        flags.SetShiftSunHol(true);
        flags.SetShiftLater(true);
        break;
    case 13:
        flags.SetShiftSatSunHol(true);
        flags.SetShiftLater(true);
        break;
    case 14:
        flags.SetPaydayShift(true);
        break;
    case 15:
        flags.SetPaydayShift(true);
        flags.SetShiftSatSunHol(true);
        break;
    default:
        return false;
    }
    return true;
}

// One line being scanned into a record.
class CLineScanner {
public:
    enum Outcome { DROP, APPEND, STOP };

    Outcome Scan(const std::string& line) {
        if (line.empty() || line[0] == '\n')
            return DROP;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '#') {
                if (i == 0 || field.empty())
                    return Finish();
                if (quoted)
                    return STOP;
                if (!Complete())
                    return STOP;
            } else if (c == '\t' || (c == ' ' && !quoted)) {
                if (!field.empty() && !Complete())
                    return STOP;
            } else if (c == '"' && done == 7) {
                quoted = !quoted;
            } else if (done < 8) {
                field += c;
            } else {
                return Finish();
            }
        }
        if (quoted)
            return STOP;
        if (!field.empty())
            return Complete() ? Finish() : STOP;
        return done == 8 ? Finish() : STOP;
    }

    const CKmdDate& Record() const { return record; }

private:
    Outcome Finish() const { return done == 8 ? APPEND : DROP; }

    // Converts and stores the pending field; false stops the import.
    bool Complete() {
        const int number = done + 1;
        if (number == 8) {
            record.SetName(field.c_str()); // taken whole, never fails
        } else {
            long v;
            if (!ToNumber(field, v))
                return false;
            // Out-of-range values are dropped: the setters refuse them, negatives never reach them.
            switch (number) {
            case 1: {
                CKmdDateFlags f;
                if (!TypeCode(v, f, nth))
                    return false;
                record.SetFlags(f);
                break;
            }
            case 2:
                if (v >= 0)
                    record.SetStartMonth(static_cast<unsigned>(v));
                break;
            case 3:
                if (v >= 0)
                    record.SetStartDay(static_cast<unsigned>(v));
                break;
            case 4:
                if (v >= 0)
                    record.SetEndMonth(static_cast<unsigned>(v));
                break;
            case 5:
                if (v >= 0)
                    record.SetEndDay(static_cast<unsigned>(v));
                break;
            case 6:
                if (v >= 0) {
                    if (nth) {
                        CKmdDateFlags f = record.GetFlags();
                        f.SetWeek(static_cast<unsigned>(v / 10));
                        record.SetFlags(f);
                    }
                    record.SetWeekday(static_cast<unsigned>(v % 10));
                }
                break;
            case 7: {
                CKmdDateFlags f = record.GetFlags();
                if (!HolidayCode(v, f))
                    return false;
                record.SetFlags(f);
                break;
            }
            }
        }
        ++done;
        field.clear();
        return true;
    }

    CKmdDate record;
    std::string field;
    int done = 0; // fields complete
    bool quoted = false;
    bool nth = false;
};
} // namespace

bool CKmdDataFile::ImportText(const char* path) {
    if (!path)
        return false;
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    entries.clear();
    importStopLine = 0;
    CTextReader reader(f);
    std::string line;
    bool endsLine = false;
    unsigned lineNumber = 1;
    while (reader.Next(line, endsLine)) {
        CLineScanner scanner;
        const CLineScanner::Outcome outcome = scanner.Scan(line);
        if (outcome == CLineScanner::STOP) {
            importStopLine = lineNumber;
            break;
        }
        if (outcome == CLineScanner::APPEND)
            entries.push_back(scanner.Record());
        if (endsLine)
            ++lineNumber;
    }
    std::fclose(f);
    MarkHolidays(0);
    return true;
}
