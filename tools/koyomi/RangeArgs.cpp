#include "tools/koyomi/RangeArgs.h"

#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/ArgValues.h"
#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/DayRange.h"
#include "tools/koyomi/Usage.h"

#include <cstring>

namespace {
// Digits and dashes only: meant as a month rather than a data file's name ("--" before it
// makes it a name).
bool LooksLikeMonth(const char* text) {
    return text[0] && std::strspn(text, "0123456789-") == std::strlen(text);
}

// The argument is one of the range's own options, or its month (before any PATH): taken, a
// bad value told.
bool TakeRangeOption(CArgWalk& w, unsigned takes, RangeArgs& a, bool pathsGiven) {
    std::string value;
    if (w.Operand()) {
        // The month comes first; a date-like first argument that is no month is refused
        // rather than looked for as a file.
        if (!(takes & TAKES_MONTH) || w.OptionsEnded() || pathsGiven || a.haveMonth ||
            !LooksLikeMonth(w.Arg()))
            return false;
        if (!ParseMonth(w.Arg(), a.year, a.month))
            w.Error(Msg(MSG_BAD_MONTH, {SystemToUtf8(w.Arg())}));
        a.haveMonth = true;
    } else if ((takes & TAKES_RANGE) && w.Date("--from", a.from)) {
        a.haveFrom = true;
    } else if ((takes & TAKES_RANGE) && w.Date("--to", a.to)) {
        a.haveTo = true;
    } else if ((takes & TAKES_DAYS) && w.Value("--days", value)) {
        if (!ParseNumber(value, a.days) || a.days < 1 || a.days > MAX_RANGE_DAYS)
            w.Error(Msg(MSG_BAD_DAYS, {SystemToUtf8(value), std::to_string(MAX_RANGE_DAYS)}));
        a.haveDays = true;
    } else if ((takes & TAKES_LISTING) && w.Flag("--all")) {
        a.all = true;
    } else if ((takes & TAKES_LISTING) && w.Flag("--tsv")) {
        a.tsv = true;
    } else if ((takes & TAKES_COLOR) && w.Value("--color", value)) {
        if (value == "never")
            a.color = COLOR_NEVER;
        else if (value == "always")
            a.color = COLOR_ALWAYS;
        else if (value == "auto")
            a.color = COLOR_AUTO;
        else
            w.Error(Msg(MSG_BAD_COLOR, {SystemToUtf8(value)}));
    } else if ((takes & TAKES_OUTPUT) && w.Value("-o", a.output)) {
        if (a.output.empty())
            w.Error(Msg(MSG_NEEDS_FILE, {"-o"}));
    } else if ((takes & TAKES_ALARM) && w.Value("--alarm-at", value)) {
        if (!ParseTime(value, a.alarmAt))
            w.Error(Msg(MSG_BAD_TIME, {SystemToUtf8(value)}));
    } else {
        return false;
    }
    return true;
}
// The range's days from the options: ARGS_PARSED, or the exit code of a bad range.
int ResolveRange(RangeArgs& a, unsigned span) {
    if (!a.haveFrom)
        a.from = a.today;
    bool fits = true;
    if (!a.haveTo && (span != 0 || a.haveDays)) {
        a.to = a.from;
        fits = AddDays(a.to, (a.haveDays ? a.days : span) - 1);
    } else if (!a.haveTo) {
        // The day before the same date a year on (29 February counts on to 1 March).
        const std::uint32_t end = DayNumber(a.from.wYear + 1u, a.from.wMonth, a.from.wDay) - 1;
        fits = end <= DayNumber(LAST_YEAR, 12, 31);
        a.to = DateOfDayNumber(end);
    }
    if (!fits)
        return UsageError(a.command, Msg(MSG_PAST_LAST_YEAR, {std::to_string(LAST_YEAR)}));
    const unsigned n = CountDays(a.from, a.to);
    if (n == 0)
        return UsageError(a.command, Msg(MSG_TO_BEFORE_FROM));
    if (n > MAX_RANGE_DAYS)
        return UsageError(a.command, Msg(MSG_RANGE_TOO_LONG, {std::to_string(MAX_RANGE_DAYS)}));
    return ARGS_PARSED;
}
} // namespace

int ParseRangeArgs(unsigned takes, int argc, char** argv, RangeArgs& a, unsigned span) {
    a.command = argv[0];
    CArgWalk w(argc, argv);
    CChipOptions chip;
    while (w.Next())
        if (!TakeRangeOption(w, takes, a, chip.PathsGiven()) && !chip.Take(w))
            w.Unknown();
    if (w.Status() != ARGS_PARSED)
        return w.Status();
    if (a.haveDays && a.haveTo)
        return UsageError(a.command, Msg(MSG_DAYS_OR_TO));
    const int finished = chip.Finish(a.command, true);
    if (finished != ARGS_PARSED)
        return finished;
    a.chip.swap(chip.chip);
    a.folder.swap(chip.folder);
    a.clockSet = chip.ClockSet();
    ReadLocalTime(&a.today);
    a.today = MakeDate(a.today.wYear, a.today.wMonth, a.today.wDay);
    return (takes & TAKES_RANGE) ? ResolveRange(a, span) : ARGS_PARSED;
}
