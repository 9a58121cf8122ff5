// koyomi ics: every (day, entry) of a range as an all-day event of an iCalendar file. Rules
// that move off weekends and holidays have no recurrence rule to say them, so each day the
// engine computes is written out. The bytes are the same on every system: UTF-8, CR LF.
#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "platform/PutInPlace.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/DayRange.h"
#include "tools/koyomi/IcsText.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/RangeArgs.h"
#include "tools/koyomi/Save.h"
#include "tools/koyomi/Usage.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unordered_map>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#ifndef KOYOMI_VERSION
#define KOYOMI_VERSION "0"
#endif

namespace {
// What an entry's events share across the days of a year: its lines and its identity.
struct EventBody {
    std::string lines; // SUMMARY and CATEGORIES, folded, each with its CR LF
    std::string alarm; // the VALARM of a line with notice, or nothing
    std::uint64_t hash;
};

// The UTC time of the export; with --now the clock's midnight, so that two runs for the same
// date write the same bytes.
std::string Stamp(const RangeArgs& a) {
    char text[32];
    if (a.clockSet) {
        std::snprintf(text, sizeof text, "%04u%02u%02uT000000Z", a.today.wYear, a.today.wMonth,
                      a.today.wDay);
        return text;
    }
    const std::time_t now = std::time(nullptr);
    const std::tm* utc = std::gmtime(&now);
    if (!utc || std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", utc) == 0)
        return "19700101T000000Z";
    return text;
}

// YYYY-MM-DD.
std::string IsoDate(const SYSTEMTIME& d) {
    char text[24];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", d.wYear, d.wMonth, d.wDay);
    return text;
}

// The alarm `days` days before the event's day at `minutes` after midnight, as a duration
// before its start: -PT5H for a day ahead at 19:00.
std::string AlarmTrigger(unsigned days, unsigned minutes) {
    const unsigned before = days * 24 * 60 - minutes; // minutes is below a day
    std::string t = "TRIGGER:-P";
    if (before >= 24 * 60)
        t += std::to_string(before / (24 * 60)) + "D";
    if (before % (24 * 60) != 0) {
        t += "T";
        if (before % (24 * 60) / 60 != 0)
            t += std::to_string(before % (24 * 60) / 60) + "H";
        if (before % 60 != 0)
            t += std::to_string(before % 60) + "M";
    }
    return t + "\r\n";
}

EventBody MakeBody(const CChipFiles& files, const DayHit& h, unsigned notice, unsigned alarmAt) {
    EventBody b;
    const std::string& path = files.PathOf(h.file);
    const std::string record = std::to_string(h.record);
    b.hash = IcsHash(path.c_str(), path.size() + 1); // the NUL keeps the fields apart
    b.hash = IcsHash(record.c_str(), record.size() + 1, b.hash);
    b.hash = IcsHash(h.name, h.nameLength, b.hash);
    const std::string name = IcsEscape(Cp932ToUtf8(std::string(h.name, h.nameLength)));
    IcsAppendLine(b.lines, "SUMMARY:" + name);
    // u8: the file is UTF-8, not the code page 932 of the program's other literals.
    b.lines += h.holiday ? u8"CATEGORIES:休日\r\n" : u8"CATEGORIES:予定\r\n";
    if (notice != 0) {
        b.alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
        IcsAppendLine(b.alarm, "DESCRIPTION:" + name);
        b.alarm += AlarmTrigger(notice, alarmAt) + "END:VALARM\r\n";
    }
    return b;
}

// The same file named twice yields the same entry twice; one event is all a calendar can hold.
// True when some path repeats. notice[i] becomes the most notice any line naming file i's path
// asks for, so that the one event warns as early as any of them.
bool RepeatsAPath(const CChipFiles& files, std::vector<unsigned>& notice) {
    std::unordered_map<std::string, unsigned> most; // by path
    for (unsigned i = 0; i < files.FileCount(); ++i) {
        unsigned& m = most[files.PathOf(i)];
        m = std::max(m, files.NoticeOf(i));
    }
    notice.resize(files.FileCount());
    for (unsigned i = 0; i < files.FileCount(); ++i)
        notice[i] = most[files.PathOf(i)];
    return most.size() != files.FileCount();
}

// Standard output, or the file put in place when `file` is given.
class CIcsWriter {
public:
    explicit CIcsWriter(CInPlaceWriter* file) : file(file) {}
    std::string& Buffer() { return buffer; }
    // Hands the buffer on once it is large; false when a write failed.
    bool Drain(bool all) {
        if (buffer.size() < (all ? 1u : 1u << 20))
            return ok;
        ok = ok && (file ? file->Write(buffer.data(), buffer.size())
                         : std::fwrite(buffer.data(), 1, buffer.size(), stdout) == buffer.size());
        buffer.clear();
        return ok;
    }

private:
    CInPlaceWriter* file;
    std::string buffer;
    bool ok = true;
};
} // namespace

int RunIcs(int argc, char** argv) {
    RangeArgs a;
    const int parsed = ParseRangeArgs(TAKES_RANGE | TAKES_OUTPUT | TAKES_ALARM, argc, argv, a);
    if (parsed != ARGS_PARSED)
        return parsed;

    // A file is put in place whole, so that a failed export leaves the last one as it was.
    CInPlaceWriter file;
    const bool toFile = !a.output.empty();
    if (toFile) {
        if (!file.Begin(a.output.c_str())) {
            Tell(Speaker(a.command) + Msg(MSG_CANNOT_WRITE_BESIDE, {SystemToUtf8(a.output)}));
            return EXIT_LOAD_FAILED;
        }
    } else {
#ifdef _WIN32
        _setmode(_fileno(stdout), _O_BINARY); // the bytes untouched: no CR added, no conversion
#endif
    }

    CIcsWriter w(toFile ? &file : nullptr);
    const std::string stamp = "DTSTAMP:" + Stamp(a) + "\r\n";
    w.Buffer() = "BEGIN:VCALENDAR\r\n"
                 "VERSION:2.0\r\n"
                 "PRODID:-//Koyomiru//koyomi " KOYOMI_VERSION "//JA\r\n"
                 "CALSCALE:GREGORIAN\r\n"
                 "X-WR-CALNAME:Koyomiru\r\n";
    std::unordered_map<std::uint64_t, EventBody> bodies; // by file and record, for the year
    const CChipFiles* bodiesOf = nullptr;
    unsigned bodiesYear = 0;
    bool repeats = false;
    std::vector<unsigned> notice; // of each file
    std::vector<std::uint64_t> today;
    unsigned long events = 0;
    CDayWalk walk(a.folder);
    const bool walked = walk.Run(
        a.chip, a.from, a.to,
        [&](const SYSTEMTIME& d, const CChipFiles& files, const std::vector<DayHit>& hits) {
            if (&files != bodiesOf || d.wYear != bodiesYear) {
                bodies.clear(); // a new year's files
                bodiesOf = &files;
                bodiesYear = d.wYear;
                repeats = RepeatsAPath(files, notice);
            }
            char dates[96];
            SYSTEMTIME next = d;
            if (AddDays(next, 1))
                std::snprintf(
                    dates, sizeof dates,
                    "DTSTART;VALUE=DATE:%04u%02u%02u\r\nDTEND;VALUE=DATE:%04u%02u%02u\r\n", d.wYear,
                    d.wMonth, d.wDay, next.wYear, next.wMonth, next.wDay);
            else // the last day there is: an all-day DTSTART alone lasts that one day
                std::snprintf(dates, sizeof dates, "DTSTART;VALUE=DATE:%04u%02u%02u\r\n", d.wYear,
                              d.wMonth, d.wDay);
            today.clear();
            for (const DayHit& h : hits) {
                const std::uint64_t key = static_cast<std::uint64_t>(h.file) << 32 | h.record;
                auto found = bodies.find(key);
                if (found == bodies.end())
                    found =
                        bodies.emplace(key, MakeBody(files, h, notice[h.file], a.alarmAt)).first;
                const EventBody& b = found->second;
                if (repeats) {
                    if (std::find(today.begin(), today.end(), b.hash) != today.end())
                        continue;
                    today.push_back(b.hash);
                }
                std::string& s = w.Buffer();
                s += "BEGIN:VEVENT\r\nUID:";
                s += IcsUid(d.wYear, d.wMonth, d.wDay, b.hash);
                s += "\r\n";
                s += stamp;
                s += dates;
                s += b.lines;
                s += "TRANSP:TRANSPARENT\r\n";
                s += b.alarm; // components follow the event's properties
                s += "END:VEVENT\r\n";
                ++events;
            }
            return w.Drain(false);
        });
    w.Buffer() += "END:VCALENDAR\r\n";
    const bool written = w.Drain(true) && walked;
    walk.Warn();
    // Unless it was written whole, the file is dropped when `file` goes.
    const bool closed = toFile ? written && file.Commit() : std::fflush(stdout) == 0;
    if (!written || !closed) {
        Tell(Speaker(a.command) + (toFile ? CannotWrite(a.output, std::string())
                                          : Msg(MSG_CANNOT_WRITE, {Msg(MSG_STANDARD_OUTPUT)})));
        return EXIT_LOAD_FAILED;
    }
    // A file written says so; the calendar on standard output speaks for itself.
    if (toFile)
        StdOut().Text(Msg(MSG_WROTE_ICS, {SystemToUtf8(a.output), std::to_string(events),
                                          IsoDate(a.from), IsoDate(a.to)}) +
                      "\n");
    return walk.ReadAny() ? 0 : EXIT_LOAD_FAILED;
}
