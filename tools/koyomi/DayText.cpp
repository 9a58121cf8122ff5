// The main mode: the text a chip shows for a date, built by the plug-in's own engine.
#include "calendar/DayText.h"
#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Common.h"
#include "tools/koyomi/Output.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct Options {
    bool haveDate = false;
    SYSTEMTIME date{};
    bool haveNow = false;
    SYSTEMTIME now{};
    bool raw = false;
    bool haveChip = false;
    std::string chipFile;
    std::vector<std::string> paths;
};

// message is UTF-8.
int UsageError(const std::string& message) {
    Tell("koyomi: " + message);
    Tell(Msg(MSG_TRY_HELP));
    return EXIT_USAGE;
}

int BadDate(const char* option, const std::string& value) {
    return UsageError(Msg(MSG_BAD_DATE, {option, SystemToUtf8(value)}));
}

// 0 when parsed; otherwise the exit code (-1: help or the version was printed, exit 0).
int Parse(int argc, char** argv, Options& o) {
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const char* a = argv[i];
        std::string value;
        if (optionsEnded || a[0] != '-' || a[1] == 0) {
            o.paths.push_back(a);
        } else if (std::strcmp(a, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            PrintUsage(true);
            return -1;
        } else if (std::strcmp(a, "--version") == 0) {
            PrintVersion();
            return -1;
        } else if (std::strcmp(a, "--raw") == 0) {
            o.raw = true;
        } else if (TakeValue(argc, argv, i, "--date", value)) {
            if (!ParseDate(value.c_str(), o.date))
                return BadDate("--date", value);
            o.haveDate = true;
        } else if (TakeValue(argc, argv, i, "--now", value)) {
            if (!ParseDate(value.c_str(), o.now))
                return BadDate("--now", value);
            o.haveNow = true;
        } else if (TakeValue(argc, argv, i, "--chip", value)) {
            if (value.empty())
                return UsageError(Msg(MSG_NEEDS_FILE, {"--chip"}));
            o.haveChip = true;
            o.chipFile = value;
        } else {
            return UsageError(Msg(MSG_UNKNOWN_OPTION, {SystemToUtf8(a)}));
        }
    }
    if (o.haveChip && !o.paths.empty())
        return UsageError(Msg(MSG_CHIP_OR_PATHS));
    return 0;
}

// As UTF-8 text: one newline for each CR LF and each lone LF, a newline at the end.
std::string ForTerminal(const std::string& cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    std::string out;
    out.reserve(utf8.size() + 1);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue; // the LF that follows becomes the newline
        out += utf8[i];
    }
    if (out.empty() || out.back() != '\n')
        out += '\n';
    return out;
}
} // namespace

int RunDayText(int argc, char** argv) {
    Options o;
    const int parsed = Parse(argc, argv, o);
    if (parsed != 0)
        return parsed < 0 ? 0 : parsed;

    std::string chip, folder; // relative lines of a chip file are read from its folder
    if (o.haveChip) {
        if (!ReadChipFile(o.chipFile, chip, folder))
            return EXIT_LOAD_FAILED;
    } else {
        chip = ChipFromPaths(o.paths);
    }

    if (o.haveNow)
        SetClockOverride(&o.now);
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
    for (const SkippedFile& s : skipped)
        WarnSkipped(s, folder);
    for (const CutFile& c : cut)
        WarnCut(c);
    if (!o.haveChip && o.paths.empty())
        Tell(Msg(MSG_NO_DATA_FILES)); // the plug-in's error text alone is no pointer onward

    const bool written = o.raw ? StdOut().Bytes(text) : StdOut().Text(ForTerminal(text));
    if (std::fflush(stdout) != 0 || !written)
        return EXIT_LOAD_FAILED;
    // No file read at all (or none named): the text is the plug-in's error text or "なし"
    // from nothing, which a script must not take for an answer.
    return readAny ? 0 : EXIT_LOAD_FAILED;
}
