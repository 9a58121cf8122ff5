// koyomi month: a month's grid with its marked days, and below it the days and their names.
#include "calendar/Calendar.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/DayRange.h"
#include "tools/koyomi/MonthGrid.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/RangeArgs.h"
#include "tools/koyomi/Usage.h"

#include <cstdio>
#include <cstdlib>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
// Colour for a terminal that shows it, unless NO_COLOR says otherwise.
bool UseColor(ColorWhen when) {
    if (when != COLOR_AUTO)
        return when == COLOR_ALWAYS;
    const char* no = std::getenv("NO_COLOR");
    if (no && no[0])
        return false;
#ifdef _WIN32
    // A console shows escape sequences only once asked to.
    HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
    DWORD mode;
    return console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode) &&
           SetConsoleMode(console, mode | 0x0004 /* ENABLE_VIRTUAL_TERMINAL_PROCESSING */);
#else
    const char* term = std::getenv("TERM");
    return isatty(fileno(stdout)) && !(term && std::string(term) == "dumb");
#endif
}
} // namespace

int RunMonth(int argc, char** argv) {
    RangeArgs a;
    const int parsed = ParseRangeArgs(TAKES_MONTH | TAKES_COLOR, argc, argv, a);
    if (parsed != ARGS_PARSED)
        return parsed;
    const unsigned year = a.haveMonth ? a.year : a.today.wYear;
    const unsigned month = a.haveMonth ? a.month : a.today.wMonth;

    unsigned char marks[32] = {};
    std::string list; // code page 932
    CDayWalk walk(a.folder);
    const bool walked =
        walk.Run(a.chip, MakeDate(year, month, 1), MakeDate(year, month, DaysInMonth(year, month)),
                 [&](const SYSTEMTIME& d, const CChipFiles&, const std::vector<DayHit>& hits) {
                     char prefix[24];
                     const int width = std::snprintf(prefix, sizeof prefix, "%2u日(%s) ", d.wDay,
                                                     WeekdayName(d.wDayOfWeek));
                     for (std::size_t i = 0; i < hits.size(); ++i) {
                         marks[d.wDay] |= hits[i].holiday ? MARK_HOLIDAY : MARK_ENTRY;
                         list += i == 0 ? std::string(prefix) : std::string(width, ' ');
                         list.append(hits[i].name, hits[i].nameLength) += '\n';
                     }
                     return true;
                 });
    walk.Warn();
    if (!walked) {
        Tell(Speaker(a.command) + Msg(MSG_OUT_OF_MEMORY));
        return EXIT_LOAD_FAILED;
    }
    const std::string grid = MonthGrid(year, month, marks, UseColor(a.color));
    const bool written = StdOut().Text(Cp932ToUtf8(list.empty() ? grid : grid + '\n' + list));
    if (std::fflush(stdout) != 0 || !written)
        return EXIT_LOAD_FAILED;
    return walk.ReadAny() ? 0 : EXIT_LOAD_FAILED;
}
