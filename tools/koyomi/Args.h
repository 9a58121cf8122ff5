// The one walk over a command's arguments, shared by every command: "--" ends the options,
// --help or -h before it prints the help, an option the command does not take is a usage
// error. The command tells its own options apart as the walk goes:
//   CArgWalk w(argc, argv);
//   while (w.Next())
//       if (w.Operand()) ...; else if (w.Flag("--all")) ...; else if (w.Value("-o", v)) ...;
//       else w.Unknown();
//   if (w.Status() != ARGS_PARSED) return w.Status();
#pragma once

#include "platform/Platform.h"
#include "tools/catalog/Messages.h"

#include <string>
#include <vector>

// The arguments were taken and the command goes on; any other status is its exit code.
constexpr int ARGS_PARSED = -1;

class CArgWalk {
public:
    // argv[0] is the command's name (the program's in the main mode, whose messages name
    // none); the walk starts at argv[1].
    CArgWalk(int argc, char** argv, bool mainMode = false);

    // On to the next argument the command is to take; false at the end, after --help, or once
    // the walk was stopped.
    bool Next();
    // An operand (a path, a year): not an option, "-" alone, or anything after "--".
    bool Operand() const { return operand; }
    // Whether "--" came: every argument since is an operand.
    bool OptionsEnded() const { return ended; }
    const char* Arg() const { return argv[at]; }
    // The argument is the switch `name`.
    bool Flag(const char* name) const;
    // The argument is the option `name` with a value, "NAME VALUE" or "NAME=VALUE" (empty when
    // the arguments end there).
    bool Value(const char* name, std::string& value);
    // The option `name` with a date (YYYY-MM-DD); a bad one is a usage error.
    bool Date(const char* name, SYSTEMTIME& date);

    // A usage error (UTF-8 message); the walk stops with its exit code.
    void Error(const std::string& message);
    // The argument is no option of this command.
    void Unknown();
    // Ends the walk with an exit code (0 after --version).
    void Stop(int exitCode) { status = exitCode; }
    // ARGS_PARSED, or the exit code the walk stopped with.
    int Status() const { return status; }
    // The name messages begin with: the command's, empty in the main mode.
    const char* Command() const { return command; }

private:
    int argc;
    char** argv;
    const char* command;
    int at = 0;
    bool ended = false, operand = false;
    int status = ARGS_PARSED;
};

// The operands of a command that takes no option but --help, exactly `count` of them (else
// the usage error `wrongCount`): ARGS_PARSED, or the exit code.
int TakeOperands(int argc, char** argv, std::size_t count, MessageId wrongCount,
                 std::vector<std::string>& operands);
