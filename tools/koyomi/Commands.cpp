#include "tools/koyomi/Commands.h"

#include <cstring>

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"", RunDayText, "[--date YYYY-MM-DD] [--now YYYY-MM-DD] [--raw] [--chip FILE] [PATH...]"},
        {"dump", RunDump, "PATH"},
        {"list", RunList, "PATH"},
        {"convert", RunConvert, "IN OUT"},
        {"holidays", RunHolidays,
         "[--text] YEAR [OUT]\n"
         "[--text] --from YEAR --to YEAR [DIR]"},
        {"agenda", RunAgenda,
         "[--from DATE] [--days N | --to DATE] [--all] [--tsv]\n"
         " (PATH... | --chip FILE)"},
        {"month", RunMonth, "[YYYY-MM] [--color=WHEN] (PATH... | --chip FILE)"},
        {"ics", RunIcs,
         "[--from DATE] [--to DATE] [--alarm-at HH:MM] [-o FILE]\n"
         " (PATH... | --chip FILE)"},
    };
    return commands;
}

const Command& CommandOf(int argc, char** argv) {
    for (const Command& c : AllCommands())
        if (c.name[0] && argc >= 2 && std::strcmp(argv[1], c.name) == 0)
            return c;
    return AllCommands()[0];
}
