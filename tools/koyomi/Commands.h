// koyomi's commands, each named once in one table: dispatch, the "did you mean" hint and the
// help all read it, so that adding a command is one row.
#pragma once

#include <string>
#include <vector>

// Usage errors exit 2, load failures 1.
constexpr int EXIT_LOAD_FAILED = 1;
constexpr int EXIT_USAGE = 2;

struct Command {
    // Empty for the main mode, the day text, which takes what names no command.
    const char* name;
    // The process exit code. argv[0] is the command's name (the program's in the main mode),
    // as a program's main gets it.
    int (*run)(int argc, char** argv);
    // The arguments, as the help shows them after "koyomi NAME"; each line is a form of its
    // own, and a line that starts with a space goes on with the form above it.
    const char* usage;
};

// Every command, the main mode first, in the order the help lists them.
const std::vector<Command>& AllCommands();
// The command argv names: argv[1], or the main mode.
const Command& CommandOf(int argc, char** argv);
// The command a word names or nearly names (one or two letters off), as a hint for a file
// name that does not exist; null when none.
const char* NearCommand(const std::string& word);

int RunDayText(int argc, char** argv);
int RunDump(int argc, char** argv);
int RunList(int argc, char** argv);
int RunConvert(int argc, char** argv);
int RunHolidays(int argc, char** argv);
int RunAgenda(int argc, char** argv);
int RunMonth(int argc, char** argv);
int RunIcs(int argc, char** argv);
