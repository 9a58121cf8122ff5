// The command line of agenda, month and ics: the days, the chip text and the few switches
// each takes. One parser, so that the three spell their options alike.
#pragma once

#include "platform/Platform.h"
#include "tools/koyomi/Args.h"

#include <string>
#include <vector>

// Which options a command takes.
enum : unsigned {
    TAKES_RANGE = 1,   // --from DATE, --to DATE
    TAKES_DAYS = 2,    // --days N
    TAKES_LISTING = 4, // --all, --tsv
    TAKES_COLOR = 8,   // --color=WHEN
    TAKES_OUTPUT = 16, // -o FILE
    TAKES_MONTH = 32,  // a first argument YYYY-MM
    TAKES_ALARM = 64,  // --alarm-at HH:MM
};

enum ColorWhen { COLOR_AUTO, COLOR_NEVER, COLOR_ALWAYS };

struct RangeArgs {
    const char* command = ""; // the command's name, for its messages
    bool haveFrom = false, haveTo = false, haveDays = false, haveMonth = false;
    SYSTEMTIME from{}, to{}; // with TAKES_RANGE, once parsed, the range's first and last day
    unsigned days = 0;
    unsigned year = 0, month = 0; // of TAKES_MONTH
    bool all = false, tsv = false;
    ColorWhen color = COLOR_AUTO;
    std::string output;
    unsigned alarmAt = 19 * 60; // minutes after midnight of --alarm-at
    std::string chip;           // the chip text, from --chip FILE or the PATH arguments
    std::string folder;         // where its relative lines are read from: --chip FILE's folder
    SYSTEMTIME today{};
    bool clockSet = false; // --now gave today
};

// ARGS_PARSED when parsed (the clock set by --now, today read from it, the chip text read,
// and with TAKES_RANGE the range: `from` defaulting to today, `to` to `span` days from it, or
// with span 0 to the day before the same date a year on); otherwise the exit code: 2 for a
// usage error, 1 for a chip file that cannot be read, 0 after --help. argv[0] is the
// command's name.
int ParseRangeArgs(unsigned takes, int argc, char** argv, RangeArgs& a, unsigned span = 0);
