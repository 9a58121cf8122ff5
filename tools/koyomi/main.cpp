// koyomi: the day text, dumps, conversion and the national holidays as Koyomiru data files on the
// command line.
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"

#include <csignal>

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file-size limit a write fails and is reported, rather than killing the process
    // with a backup or a data file half written.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    argc = TakeOutputOptions(argc, argv);
    const Command& command = CommandOf(argc, argv);
    // A command's arguments start with its name; the main mode's with the program's.
    const int skip = command.name[0] ? 1 : 0;
    return command.run(argc - skip, argv + skip);
}
