// koyomi: the day text, dumps, conversion and the national holidays as Koyomiru data files on the
// command line.
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"

#include <csignal>
#include <cstring>

namespace {
bool IsHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}
} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit a write fails and is reported, rather than killing the process
    // with a backup or a data file half written.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    argc = TakeOutputOptions(argc, argv);
    if (argc >= 2 && IsHelp(argv[1])) {
        PrintUsage(true);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        PrintVersion();
        return 0;
    }
    // "koyomi dump --help" and its kin explain themselves rather than load a file of that name.
    const bool subcommand =
        argc >= 2 &&
        (std::strcmp(argv[1], "dump") == 0 || std::strcmp(argv[1], "list") == 0 ||
         std::strcmp(argv[1], "convert") == 0 || std::strcmp(argv[1], "holidays") == 0 ||
         std::strcmp(argv[1], "agenda") == 0 || std::strcmp(argv[1], "month") == 0 ||
         std::strcmp(argv[1], "ics") == 0);
    if (subcommand && argc >= 3 && IsHelp(argv[2])) {
        PrintUsage(true);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "dump") == 0)
        return RunDump(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "list") == 0)
        return RunList(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "convert") == 0)
        return RunConvert(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "holidays") == 0)
        return RunHolidays(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "agenda") == 0)
        return RunAgenda(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "month") == 0)
        return RunMonth(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "ics") == 0)
        return RunIcs(argc - 2, argv + 2);
    return RunDayText(argc - 1, argv + 1);
}
