// koyomi holidays: Japan's national holidays of a year as a ready data file.
#include "calendar/JapanHolidays.h"
#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "platform/PutInPlace.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/ArgValues.h"
#include "tools/koyomi/Args.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/Save.h"
#include "tools/koyomi/Usage.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
struct Options {
    bool text = false;
    std::string from, to; // the --from/--to range when either is given
    bool range = false;
    std::vector<std::string> rest;
};

// A year of the rules, given as decimal digits.
bool ParseYear(const std::string& text, unsigned& year, std::string& problem) {
    if (!ParseNumber(text, year)) {
        problem = Msg(MSG_BAD_YEAR, {SystemToUtf8(text)});
        return false;
    }
    if (year < JAPAN_HOLIDAYS_FIRST_YEAR || year > JAPAN_HOLIDAYS_LAST_YEAR) {
        problem = Msg(MSG_YEAR_OUTSIDE, {text, std::to_string(JAPAN_HOLIDAYS_FIRST_YEAR),
                                         std::to_string(JAPAN_HOLIDAYS_LAST_YEAR)});
        return false;
    }
    return true;
}

// ARGS_PARSED, or the exit code.
int Parse(int argc, char** argv, Options& o) {
    bool haveFrom = false, haveTo = false;
    CArgWalk w(argc, argv);
    while (w.Next()) {
        if (w.Operand())
            o.rest.push_back(w.Arg());
        else if (w.Flag("--text"))
            o.text = true;
        else if (w.Value("--from", o.from))
            haveFrom = true;
        else if (w.Value("--to", o.to))
            haveTo = true;
        else
            w.Unknown();
    }
    if (w.Status() != ARGS_PARSED)
        return w.Status();
    o.range = haveFrom || haveTo;
    if (o.range && !(haveFrom && haveTo))
        return UsageError(argv[0], Msg(MSG_FROM_TO_TOGETHER));
    if (o.range ? o.rest.size() > 1 : o.rest.empty() || o.rest.size() > 2)
        return UsageError(argv[0], Msg(o.range ? MSG_AT_MOST_ONE_DIR : MSG_YEAR_AND_OUT));
    return ARGS_PARSED;
}

std::string DefaultName(unsigned year, bool text) {
    return "holidays-" + std::to_string(year) + (text ? ".kmd" : ".kmb");
}

// The legacy text format the editor imports: a comment header, then per line the type,
// start month and day, end month and day, weekday, holiday code and name, tab-separated.
std::string LegacyText(unsigned year, const std::vector<JapanHoliday>& days) {
    const std::string y = std::to_string(year);
    std::string s = "# " + y + "年の国民の祝日・休日（振替休日と国民の休日を含む）\r\n" +
                    "# koyomi holidays " + y + " で作成：2026年時点の祝日法による\r\n" +
                    "# 種別 開始月 開始日 終了月 終了日 曜日 休日 名前\r\n";
    for (const JapanHoliday& h : days)
        s += "0\t" + std::to_string(h.month) + "\t" + std::to_string(h.day) + "\t0\t0\t0\t1\t" +
             h.name + "\r\n";
    return s;
}

// Writes the year's file and says so: its name and how many days off it holds.
bool WriteYear(const char* command, unsigned year, const std::string& path, bool text) {
    std::vector<JapanHoliday> days;
    JapanHolidays(year, days);
    const auto write = [&](const char* out) {
        if (text) {
            const std::string bytes = LegacyText(year, days);
            return PutInPlace(out, bytes.data(), bytes.size());
        }
        CKmdEntryFile file;
        for (const JapanHoliday& h : days) {
            CKmdDate e;
            CKmdDateFlags f;
            f.SetType(DT_DAY);
            f.SetHoliday(true);
            e.SetFlags(f);
            if (!e.SetStartMonth(h.month) || !e.SetStartDay(h.day) || !e.SetName(h.name) ||
                !file.Add(e))
                return false;
        }
        return file.Write(out);
    };
    if (!SaveWithBackup(path, Speaker(command), write))
        return false;
    StdOut().Text(Msg(MSG_WROTE_HOLIDAYS,
                      {SystemToUtf8(path), std::to_string(days.size()), std::to_string(year)}) +
                  "\n");
    return true;
}
} // namespace

int RunHolidays(int argc, char** argv) {
    Options o;
    const int parsed = Parse(argc, argv, o);
    if (parsed != ARGS_PARSED)
        return parsed;
    // Every year is checked before the first file is written.
    std::string problem;
    unsigned first = 0, last = 0;
    if (o.range) {
        if (!ParseYear(o.from, first, problem) || !ParseYear(o.to, last, problem))
            return UsageError(argv[0], problem);
        if (first > last)
            return UsageError(argv[0], Msg(MSG_FROM_AFTER_TO, {o.from, o.to}));
    } else {
        if (!ParseYear(o.rest[0], first, problem))
            return UsageError(argv[0], problem);
        last = first;
    }

    if (!o.range) {
        const std::string out = o.rest.size() == 2 ? o.rest[1] : DefaultName(first, o.text);
        return WriteYear(argv[0], first, out, o.text) ? 0 : EXIT_LOAD_FAILED;
    }
    std::string dir = o.rest.empty() ? "" : o.rest[0];
    // A "/" even after a "\\": Windows takes both, and a trailing 0x5C may be half a character.
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    for (unsigned year = first; year <= last; ++year)
        if (!WriteYear(argv[0], year, dir + DefaultName(year, o.text), o.text))
            return EXIT_LOAD_FAILED;
    return 0;
}
