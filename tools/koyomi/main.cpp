// koyomi: the day text, dumps and conversion of Koyomiru data files on the command line.
#include "tools/koyomi/Commands.h"

#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        PrintUsage(true);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "dump") == 0)
        return RunDump(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "list") == 0)
        return RunList(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "convert") == 0)
        return RunConvert(argc - 2, argv + 2);
    return RunDayText(argc - 1, argv + 1);
}
