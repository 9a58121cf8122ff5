// koyomi agenda: the coming days and their entries, as blocks for reading or as date-name
// lines for scripts.
#include "calendar/Calendar.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/DayRange.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/RangeArgs.h"
#include "tools/koyomi/Usage.h"

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {
constexpr unsigned AGENDA_DAYS = 14; // today and the next 13

// "2027/01/11 月曜日", the date as the chip's header writes it.
std::string Heading(const SYSTEMTIME& d) {
    char text[40];
    std::snprintf(text, sizeof text, "%04u/%02u/%02u %s曜日", d.wYear, d.wMonth, d.wDay,
                  WeekdayName(d.wDayOfWeek));
    return text;
}
} // namespace

int RunAgenda(int argc, char** argv) {
    RangeArgs a;
    const int parsed =
        ParseRangeArgs(TAKES_RANGE | TAKES_DAYS | TAKES_LISTING, argc, argv, a, AGENDA_DAYS);
    if (parsed != ARGS_PARSED)
        return parsed;

    // Code page 932 throughout, one conversion at the end: names stay the bytes they are
    // until then.
    std::string out;
    CDayWalk walk(a.folder);
    const bool walked = walk.Run(
        a.chip, a.from, a.to,
        [&](const SYSTEMTIME& d, const CChipFiles&, const std::vector<DayHit>& hits) {
            if (a.tsv) {
                char date[32];
                std::snprintf(date, sizeof date, "%04u-%02u-%02u\t", d.wYear, d.wMonth, d.wDay);
                for (const DayHit& h : hits)
                    out.append(date).append(h.name, h.nameLength) += '\n';
                return true;
            }
            if (hits.empty() && !a.all)
                return true;
            if (!out.empty())
                out += '\n';
            out += Heading(d) + '\n';
            for (const DayHit& h : hits)
                out.append("  ").append(h.name, h.nameLength) += '\n';
            if (hits.empty())
                out += "  なし\n";
            return true;
        });
    walk.Warn();
    if (!walked) {
        Tell(Speaker(a.command) + Msg(MSG_OUT_OF_MEMORY));
        return EXIT_LOAD_FAILED;
    }
    // The lines for scripts are UTF-8 with LF everywhere; the agenda is text for the reader.
    const bool written = a.tsv ? StdOut().Bytes(Cp932ToUtf8(out)) : StdOut().Text(Cp932ToUtf8(out));
    if (std::fflush(stdout) != 0 || !written)
        return EXIT_LOAD_FAILED;
    // No named file could be read: an empty agenda would look like a quiet fortnight.
    return walk.ReadAny() ? 0 : EXIT_LOAD_FAILED;
}
