// What koyomi says about its own use: the help, the version and the one form of a usage error.
#pragma once

#include <string>

// The help on standard output: the usage lines from the command table, then the rest.
void PrintHelp();
void PrintVersion();

// "koyomi COMMAND: " before a command's messages; "koyomi: " in the main mode (empty command).
std::string Speaker(const char* command);

// A usage error: "koyomi COMMAND: MESSAGE" (UTF-8), then "Try 'koyomi --help'.", on standard
// error. Returns the exit code, EXIT_USAGE.
int UsageError(const char* command, const std::string& message);
