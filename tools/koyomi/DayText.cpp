// The main mode: the text a chip shows for a date, built by the plug-in's own engine.
#include "calendar/DayText.h"
#include "platform/Clock.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Args.h"
#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/LoadReport.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/Usage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
struct Options {
    bool haveDate = false;
    SYSTEMTIME date{};
    bool raw = false;
    CChipOptions chip;
};

// ARGS_PARSED, or the exit code.
int Parse(int argc, char** argv, Options& o) {
    CArgWalk w(argc, argv, true);
    while (w.Next()) {
        if (o.chip.Take(w))
            continue;
        if (w.Flag("--version")) {
            PrintVersion();
            w.Stop(0);
        } else if (w.Flag("--raw")) {
            o.raw = true;
        } else if (w.Date("--date", o.date)) {
            o.haveDate = true;
        } else {
            w.Unknown();
        }
    }
    return w.Status() != ARGS_PARSED ? w.Status() : o.chip.Finish(w.Command(), false);
}
} // namespace

int RunDayText(int argc, char** argv) {
    Options o;
    const int parsed = Parse(argc, argv, o);
    if (parsed != ARGS_PARSED)
        return parsed;
    // Relative lines of a chip file are read from its folder.
    const std::string& chip = o.chip.chip;
    const std::string& folder = o.chip.folder;
    SYSTEMTIME date;
    if (o.haveDate)
        date = o.date; // as picked from the chip menu
    else
        ReadLocalTime(&date); // as Update does

    // The plug-in's own text, from the engine that builds it.
    std::vector<SkippedFile> skipped;
    std::vector<CutFile> cut;
    bool readAny = false;
    const std::string text =
        MakeDayText(chip.c_str(), date, &skipped, &cut, &readAny, folder.c_str());
    // The chip's text stays the plug-in's; what it silently left out is told beside it.
    WarnFiles(skipped, cut, folder);
    if (!o.chip.Named())
        Tell(Msg(MSG_NO_DATA_FILES)); // the plug-in's error text alone is no pointer onward

    const bool written = o.raw ? StdOut().Bytes(text) : StdOut().Text(Cp932Lines(text));
    if (std::fflush(stdout) != 0 || !written)
        return EXIT_LOAD_FAILED;
    // No file read at all (or none named): the text is the plug-in's error text or "なし"
    // from nothing, which a script must not take for an answer.
    return readAny ? 0 : EXIT_LOAD_FAILED;
}
