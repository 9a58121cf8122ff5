#include "tools/koyomi/Commands.h"

#include "tools/koyomi/Common.h"

#include <cstdio>

void PrintUsage(bool full) {
    std::FILE* out = full ? stdout : stderr;
    PutText(out,
            "usage: koyomi [--date YYYY-MM-DD] [--now YYYY-MM-DD] [--raw] [--chip FILE] [PATH...]\n"
            "       koyomi dump PATH\n"
            "       koyomi list PATH\n"
            "       koyomi convert IN OUT\n"
            "       koyomi --help\n");
    if (!full)
        return;
    PutText(
        out,
        "\n"
        "Main mode: prints the text a chip shows for the named data files (.kmb), exactly as\n"
        "the Koyomiru plug-in builds it: the header with the date, then the names of the\n"
        "entries that apply, or \"なし\".\n"
        "  PATH...        data files, one chip-text line each (\"%year%\" stands for the year\n"
        "                 of the date in use); \"--\" ends the options\n"
        "  --chip FILE    use the bytes of FILE as the chip text instead of PATH arguments\n"
        "                 (lines end in CR LF, CR or LF; relative paths from the current folder)\n"
        "  --date DATE    evaluate DATE (YYYY-MM-DD), as if picked from the chip menu\n"
        "  --now DATE     set the clock: the default date and the year of the holiday table\n"
        "                 (default: the real local date)\n"
        "  --raw          write the code page 932 bytes unchanged (what the host receives);\n"
        "                 otherwise UTF-8 with one newline per line\n"
        "With neither PATH nor --chip the chip text is empty, which the plug-in answers with\n"
        "\"データファイル読み込みエラー\". A bad date or an unknown option exits 2.\n"
        "\n"
        "dump PATH        one line per entry: MM SD ED WD FFFF NAME (months byte, start and\n"
        "                 end day, weekday byte, flags word in hex; name in UTF-8, invalid\n"
        "                 bytes as \\xNN)\n"
        "list PATH        the editor's 13 list columns, tab-separated, with a heading line\n"
        "convert IN OUT   load IN and save it as OUT in the binary format (with a backup of\n"
        "                 an existing OUT as OUT's name up to its last \".\" plus \"bak\")\n"
        "\n"
        "A PATH whose extension is .kmd (any case) is read as a legacy text file, any other\n"
        "as a binary data file. A file that cannot be loaded prints\n"
        "\"ファイルの読込に失敗しました。\" and exits 1; an import that stopped early warns\n"
        "with the line number. Usage errors exit 2.\n"
        "\n"
        "Examples:\n"
        "  koyomi my.kmb holidays-%year%.kmb\n"
        "  cd build/native/examples && koyomi --date 2027-01-11 --chip chip.txt\n"
        "  koyomi --raw --now 2026-12-08 my.kmb | iconv -f CP932 -t UTF-8\n"
        "  koyomi convert old.kmd new.kmb\n");
}
