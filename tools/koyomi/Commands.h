// The koyomi subcommands. Each takes the arguments after its own name and returns the
// process exit code.
#pragma once

#include <string>

int RunDump(int argc, char** argv);
int RunList(int argc, char** argv);
int RunConvert(int argc, char** argv);
int RunHolidays(int argc, char** argv);
int RunAgenda(int argc, char** argv);
int RunMonth(int argc, char** argv);
int RunIcs(int argc, char** argv);
// The main mode: the chip text for a date. Takes all arguments after the program name.
int RunDayText(int argc, char** argv);
void PrintUsage(bool full);
void PrintVersion();
// The command a word names or nearly names (one or two letters off), as a hint for a file
// name that does not exist; null when none.
const char* NearCommand(const std::string& word);
