#include "tools/koyomi/Commands.h"

#include "tools/koyomi/Common.h"
#include "tools/koyomi/Output.h"

#include <string>

namespace {
#ifdef _WIN32
const char kOutputForm[] =
    "  --raw          write the code page 932 bytes unchanged (what the host receives);\n"
    "                 otherwise a console shows the characters, and a file or pipe gets the\n"
    "                 ANSI code page (932 in Japan) with CR LF\n"
    "  --utf8         UTF-8 with CR LF to a file or pipe instead (any command)\n";
const char kExamples[] =
    "Examples:\n"
    "  koyomi.exe my.kmb holidays-%year%.kmb\n"
    "  koyomi.exe gomi.kmb*1 payday.kmb*3    (tomorrow's rubbish, paydays 3 days ahead)\n"
    "  cd sample && koyomi.exe --date 2027-01-11 --chip chip.txt\n"
    "  koyomi.exe --now 2026-12-08 D:\\予定\\my.kmb > today.txt\n"
    "  koyomi.exe convert old.kmd new.kmb\n"
    "  koyomi.exe holidays 2027          (next year's holidays-2027.kmb for the chip)\n"
    "  koyomi.exe holidays --from 2027 --to 2036 %USERPROFILE%\\Documents\\koyomi\n"
    "  koyomi.exe agenda --chip chip.txt\n"
    "  koyomi.exe month 2027-01 --chip chip.txt\n"
    "  koyomi.exe ics --chip chip.txt -o koyomiru.ics\n";
#else
const char kOutputForm[] =
    "  --raw          write the code page 932 bytes unchanged (what the host receives);\n"
    "                 otherwise UTF-8 with one newline per line\n"
    "  --utf8         UTF-8 to a Windows file or pipe; here the output is UTF-8 anyway\n";
const char kExamples[] =
    "Examples:\n"
    "  koyomi my.kmb holidays-%year%.kmb\n"
    "  koyomi 'gomi.kmb*1' 'payday.kmb*3'    (tomorrow's rubbish, paydays 3 days ahead)\n"
    "  cd build/native/examples && koyomi --date 2027-01-11 --chip chip.txt\n"
    "  koyomi --raw --now 2026-12-08 my.kmb | iconv -f CP932 -t UTF-8\n"
    "  koyomi convert old.kmd new.kmb\n"
    "  koyomi holidays 2027              (next year's holidays-2027.kmb for the chip)\n"
    "  koyomi agenda --chip chip.txt\n"
    "  koyomi month 2027-01 --chip chip.txt\n"
    "  koyomi ics --chip chip.txt -o koyomiru.ics\n";
#endif
} // namespace

void PrintVersion() {
    StdOut().Text("koyomi " KOYOMI_VERSION "\n");
}

void PrintUsage(bool full) {
    CTextOut& out = full ? StdOut() : StdErr();
    out.Text(Cp932ToUtf8(
        "usage: koyomi [--date YYYY-MM-DD] [--now YYYY-MM-DD] [--raw] [--chip FILE] [PATH...]\n"
        "       koyomi dump PATH\n"
        "       koyomi list PATH\n"
        "       koyomi convert IN OUT\n"
        "       koyomi holidays [--text] YEAR [OUT]\n"
        "       koyomi holidays [--text] --from YEAR --to YEAR [DIR]\n"
        "       koyomi agenda [--from DATE] [--days N | --to DATE] [--all] [--tsv]\n"
        "                     (PATH... | --chip FILE)\n"
        "       koyomi month [YYYY-MM] [--color=WHEN] (PATH... | --chip FILE)\n"
        "       koyomi ics [--from DATE] [--to DATE] [--alarm-at HH:MM] [-o FILE]\n"
        "                  (PATH... | --chip FILE)\n"
        "       koyomi --help | --version\n"
        "Every command also takes --utf8.\n"));
    if (!full)
        return;
    out.Text(Cp932ToUtf8(
        std::string(
            "\n"
            "Main mode: prints the text a chip shows for the named data files (.kmb), exactly as\n"
            "the Koyomiru plug-in builds it: the header with the date, then the names of the\n"
            "entries that apply, or \"なし\".\n"
            "  PATH...        data files, one chip-text line each (\"%year%\" stands for the year\n"
            "                 of the date in use); \"--\" ends the options\n"
            "  --chip FILE    use the bytes of FILE as the chip text instead of PATH arguments\n"
            "                 (lines end in CR LF, CR or LF; relative paths from the current "
            "folder)\n"
            "  --date DATE    evaluate DATE (YYYY-MM-DD), as if picked from the chip menu\n"
            "  --now DATE     set the clock: the default date and the year of the holiday table\n"
            "                 (default: the real local date)\n") +
        kOutputForm +
        "A line that ends in *N (N = 1-31, one or two digits) asks for that file's entries\n"
        "N days ahead: after the day's own text come \"明日：NAME\", \"明後日：NAME\",\n"
        "\"3日後：NAME\" ..., each day as the chip will show it on that day (its year's\n"
        "files and holidays). Any other line, such as a.kmb*0 or a.kmb*32, is a path.\n"
        "With neither PATH nor --chip the chip text is empty, which the plug-in answers with\n"
        "\"データファイル読み込みエラー\". A bad date or an unknown option exits 2. A named\n"
        "file that adds nothing (missing, unreadable, not a regular file, of another version)\n"
        "gets one warning on standard error, with a hint when its name is nearly a command's;\n"
        "standard output stays the plug-in's text. When no named file could be read (or none\n"
        "is named), the exit is 1.\n"
        "\n"
        "dump PATH        one line per entry: MM SD ED WD FFFF NAME (months byte, start and\n"
        "                 end day, weekday byte, flags word in hex; name in UTF-8, invalid\n"
        "                 bytes as \\xNN)\n"
        "list PATH        the editor's 13 list columns, tab-separated, with a heading line\n"
        "convert IN OUT   load IN and save it as OUT in the binary format (with a backup of\n"
        "                 an existing OUT as OUT's name up to its last \".\" plus \"bak\"; when\n"
        "                 that backup cannot be made, OUT is left as it was and the exit is 1)\n"
        "holidays YEAR [OUT]\n"
        "                 write Japan's national holidays of YEAR (2000-2099) as a data file:\n"
        "                 one 当日 entry with the holiday flag per day off, 振替休日 and\n"
        "                 国民の休日 included (default OUT holidays-YEAR.kmb; an existing OUT is\n"
        "                 backed up as for convert); says which file it wrote and how many\n"
        "                 days off it holds\n"
        "  --text         the legacy text format instead (code page 932, CR LF, default OUT\n"
        "                 holidays-YEAR.kmd), to read or to edit in KmbTool\n"
        "  --from YEAR --to YEAR [DIR]\n"
        "                 one file per year into DIR (default: the current folder), named\n"
        "                 holidays-YEAR.kmb as a chip line \"holidays-%year%.kmb\" expects\n"
        "The holidays follow Japan's holiday law as of 2026 (国民の祝日に関する法律 and the\n"
        "one-off acts for 2019-2021; equinox days by the standard approximation): a later\n"
        "change of the law needs a new version of koyomi. A YEAR that is no number or lies\n"
        "outside 2000-2099 exits 2 and writes nothing. Next year's file for the chip line\n"
        "\"holidays-%year%.kmb\": koyomi holidays 2027 (or --from 2027 --to 2036 for ten).\n"
        "\n"
        "agenda, month and ics show each day D exactly as \"koyomi --now D --date D\" would:\n"
        "\"%year%\" is D's year and the holidays are those of D's year, so a range that\n"
        "crosses a year reads the next year's holiday file. --from and --to are inclusive;\n"
        "--now DATE takes DATE as today. A bad date, --to before --from or more than 3660\n"
        "days exits 2; a file that adds nothing is warned about once.\n"
        "agenda            one block per day with entries: the date and weekday, then the\n"
        "                  names (default: today and the next 13 days)\n"
        "  --days N        N days from --from (1-3660)\n"
        "  --all           show the days without entries too\n"
        "  --tsv           one line per day and name: YYYY-MM-DD, a tab, the name in UTF-8\n"
        "month [YYYY-MM]   the month as a grid of weeks from Sunday (default: this month):\n"
        "                  holidays in brackets, other entries marked *, then the days and\n"
        "                  their names\n"
        "  --color=WHEN    colour holidays and Sundays: never, always, or auto (the default:\n"
        "                  on a terminal, unless NO_COLOR is set)\n"
        "ics               an iCalendar file of all-day events, one per day and entry, to\n"
        "                  import into a phone or web calendar (default: today through one\n"
        "                  year); UTF-8 with CR LF on every system. Each event's UID stays the\n"
        "                  same across runs, so importing again updates rather than doubles.\n"
        "                  The file is a snapshot: export again after editing the rules\n"
        "  -o FILE         write FILE (put in place whole) instead of standard output\n"
        "  --alarm-at HH:MM\n"
        "                  the time of the alarm each event of a line with *N gets, N days\n"
        "                  before its day (default 19:00; 00:00 to 23:59); other events\n"
        "                  have none\n"
        "\n"
        "A PATH whose extension is .kmd (any case) is read as a legacy text file, any other\n"
        "as a binary data file. A file that cannot be loaded prints\n"
        "\"ファイルの読込に失敗しました。\" and exits 1; an import that stopped early warns\n"
        "with the line number. A legacy file saved as UTF-8 (with or without a BOM, as\n"
        "today's Notepad writes) is read as such; a character code page 932 lacks becomes\n"
        "\"?\". A file that cannot be written names the cause. Usage errors exit 2.\n"
        "--version prints the release version.\n"
        "\n" +
        kExamples));
}
