#include "tools/koyomi/RangeArgs.h"
#include "tools/koyomi/Output.h"

#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Common.h"
#include "tools/koyomi/DayRange.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool IsDigits(const char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (p[i] < '0' || p[i] > '9')
            return false;
    return true;
}

// Digits and dashes only: meant as a month rather than a data file's name ("--" before it
// makes it a name).
bool LooksLikeMonth(const char* text) {
    return text[0] && std::strspn(text, "0123456789-") == std::strlen(text);
}

// YYYY-MM of the years 1601-9999.
bool ParseMonth(const char* text, unsigned& year, unsigned& month) {
    if (std::strlen(text) != 7 || text[4] != '-' || !IsDigits(text, 4) || !IsDigits(text + 5, 2))
        return false;
    year = static_cast<unsigned>(std::atoi(std::string(text, 4).c_str()));
    month = static_cast<unsigned>(std::atoi(text + 5));
    return year >= 1601 && month >= 1 && month <= 12;
}

// HH:MM of 00:00-23:59, as minutes after midnight.
bool ParseTime(const std::string& text, unsigned& minutes) {
    if (text.size() != 5 || text[2] != ':' || !IsDigits(text.data(), 2) ||
        !IsDigits(text.data() + 3, 2))
        return false;
    const unsigned h = static_cast<unsigned>(std::atoi(text.substr(0, 2).c_str()));
    const unsigned m = static_cast<unsigned>(std::atoi(text.c_str() + 3));
    minutes = h * 60 + m;
    return h < 24 && m < 60;
}

int BadDate(const char* command, const char* option, const std::string& value) {
    return RangeUsageError(command, Msg(MSG_BAD_DATE, {option, SystemToUtf8(value)}));
}
} // namespace

int RangeUsageError(const char* command, const std::string& message) {
    Tell(std::string("koyomi ") + command + ": " + message);
    Tell(Msg(MSG_TRY_HELP));
    return EXIT_USAGE;
}

int ParseRangeArgs(const char* command, unsigned takes, int argc, char** argv, RangeArgs& a) {
    bool optionsEnded = false, haveChip = false, haveNow = false;
    SYSTEMTIME now{};
    std::string chipFile, value;
    std::vector<std::string> paths;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        if (optionsEnded || arg[0] != '-' || arg[1] == 0) {
            // The month comes first; a date-like first argument that is no month is refused
            // rather than looked for as a file.
            if ((takes & TAKES_MONTH) && !optionsEnded && paths.empty() && !a.haveMonth &&
                LooksLikeMonth(arg)) {
                if (!ParseMonth(arg, a.year, a.month))
                    return RangeUsageError(command, Msg(MSG_BAD_MONTH, {SystemToUtf8(arg)}));
                a.haveMonth = true;
            } else {
                paths.push_back(arg);
            }
        } else if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            PrintUsage(true);
            return -1;
        } else if ((takes & TAKES_RANGE) && TakeValue(argc, argv, i, "--from", value)) {
            if (!ParseDate(value.c_str(), a.from))
                return BadDate(command, "--from", value);
            a.haveFrom = true;
        } else if ((takes & TAKES_RANGE) && TakeValue(argc, argv, i, "--to", value)) {
            if (!ParseDate(value.c_str(), a.to))
                return BadDate(command, "--to", value);
            a.haveTo = true;
        } else if ((takes & TAKES_DAYS) && TakeValue(argc, argv, i, "--days", value)) {
            if (value.empty() || value.size() > 5 || !IsDigits(value.data(), value.size()) ||
                std::atoi(value.c_str()) < 1 ||
                static_cast<unsigned>(std::atoi(value.c_str())) > MAX_RANGE_DAYS)
                return RangeUsageError(command, Msg(MSG_BAD_DAYS, {SystemToUtf8(value)}));
            a.days = static_cast<unsigned>(std::atoi(value.c_str()));
            a.haveDays = true;
        } else if ((takes & TAKES_LISTING) && std::strcmp(arg, "--all") == 0) {
            a.all = true;
        } else if ((takes & TAKES_LISTING) && std::strcmp(arg, "--tsv") == 0) {
            a.tsv = true;
        } else if ((takes & TAKES_COLOR) && TakeValue(argc, argv, i, "--color", value)) {
            if (value == "never")
                a.color = COLOR_NEVER;
            else if (value == "always")
                a.color = COLOR_ALWAYS;
            else if (value == "auto")
                a.color = COLOR_AUTO;
            else
                return RangeUsageError(command, Msg(MSG_BAD_COLOR, {SystemToUtf8(value)}));
        } else if ((takes & TAKES_OUTPUT) && TakeValue(argc, argv, i, "-o", value)) {
            if (value.empty())
                return RangeUsageError(command, Msg(MSG_NEEDS_FILE, {"-o"}));
            a.output = value;
        } else if ((takes & TAKES_ALARM) && TakeValue(argc, argv, i, "--alarm-at", value)) {
            if (!ParseTime(value, a.alarmAt))
                return RangeUsageError(command, Msg(MSG_BAD_TIME, {SystemToUtf8(value)}));
        } else if (TakeValue(argc, argv, i, "--now", value)) {
            if (!ParseDate(value.c_str(), now))
                return BadDate(command, "--now", value);
            haveNow = true;
        } else if (TakeValue(argc, argv, i, "--chip", value)) {
            if (value.empty())
                return RangeUsageError(command, Msg(MSG_NEEDS_FILE, {"--chip"}));
            haveChip = true;
            chipFile = value;
        } else {
            return RangeUsageError(command, Msg(MSG_UNKNOWN_OPTION, {SystemToUtf8(arg)}));
        }
    }
    if (a.haveDays && a.haveTo)
        return RangeUsageError(command, Msg(MSG_DAYS_OR_TO));
    if (haveChip == !paths.empty())
        return RangeUsageError(command, Msg(haveChip ? MSG_CHIP_OR_PATHS : MSG_NAME_THE_FILES));
    if (haveChip && !ReadChipFile(chipFile, a.chip, a.folder))
        return EXIT_LOAD_FAILED;
    if (!haveChip)
        a.chip = ChipFromPaths(paths);
    if (haveNow)
        SetClockOverride(&now);
    a.clockSet = haveNow;
    ReadLocalTime(&a.today);
    a.today = MakeDate(a.today.wYear, a.today.wMonth, a.today.wDay);
    return 0;
}

bool ResolveRange(const char* command, const RangeArgs& a, unsigned span, SYSTEMTIME& from,
                  SYSTEMTIME& to) {
    from = a.haveFrom ? a.from : a.today;
    bool fits = true;
    if (a.haveTo) {
        to = a.to;
    } else if (span != 0 || a.haveDays) {
        to = from;
        fits = AddDays(to, (a.haveDays ? a.days : span) - 1);
    } else {
        // The day before the same date a year on (29 February counts on to 1 March).
        std::uint32_t y = from.wYear + 1u, m = from.wMonth, d = from.wDay;
        if (d > DaysInMonth(y, m))
            NextDay(y, m, --d);
        PrevDay(y, m, d);
        fits = y <= LAST_YEAR;
        to = MakeDate(y, m, d);
    }
    if (!fits) {
        RangeUsageError(command, Msg(MSG_PAST_LAST_YEAR));
        return false;
    }
    const unsigned n = CountDays(from, to);
    if (n == 0) {
        RangeUsageError(command, Msg(MSG_TO_BEFORE_FROM));
        return false;
    }
    if (n > MAX_RANGE_DAYS) {
        RangeUsageError(command, Msg(MSG_RANGE_TOO_LONG));
        return false;
    }
    return true;
}
