#include "tools/koyomi/Usage.h"

#include "calendar/DayText.h"
#include "calendar/JapanHolidays.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/DayRange.h"
#include "tools/koyomi/Output.h"

#include <cstring>

namespace {
// The terminal columns of UTF-8 text: two for a character of three bytes or more (the CJK
// ones here), one for the others.
std::size_t Columns(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        n += c < 0x80 ? 1 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    return n;
}

// "usage: koyomi ..." and a line for each form of each command, lined up under the first.
std::string UsageLines() {
    const std::string head = Msg(MSG_HELP_USAGE);
    const std::string indent(Columns(head), ' ');
    std::string lines;
    for (const Command& c : AllCommands()) {
        const std::string call = c.name[0] ? std::string("koyomi ") + c.name + " " : "koyomi ";
        for (const char* line = c.usage; *line;) {
            const std::size_t n = std::strcspn(line, "\n");
            if (line[0] == ' ') // the form above goes on, under its arguments
                lines += indent + std::string(call.size(), ' ').append(line + 1, n - 1) + '\n';
            else
                lines += (lines.empty() ? head : indent) + call + std::string(line, n) + '\n';
            line += n + (line[n] == '\n');
        }
    }
    return lines + indent + "koyomi --help | --version\n" + Msg(MSG_HELP_UTF8);
}
} // namespace

void PrintVersion() {
    StdOut().Text("koyomi " KOYOMI_VERSION "\n");
}

void PrintHelp() {
    const std::string commands =
        Msg(MSG_HELP_COMMANDS,
            {std::to_string(MAX_NOTICE_DAYS), std::to_string(JAPAN_HOLIDAYS_FIRST_YEAR),
             std::to_string(JAPAN_HOLIDAYS_LAST_YEAR), std::to_string(MAX_RANGE_DAYS)});
#ifdef _WIN32
    StdOut().Text(UsageLines() + Msg(MSG_HELP_MAIN) + Msg(MSG_HELP_OUTPUT_WINDOWS) + commands +
                  Msg(MSG_HELP_EXAMPLES_WINDOWS));
#else
    StdOut().Text(UsageLines() + Msg(MSG_HELP_MAIN) + Msg(MSG_HELP_OUTPUT_NATIVE) + commands +
                  Msg(MSG_HELP_EXAMPLES_NATIVE));
#endif
}

std::string Speaker(const char* command) {
    return command[0] ? std::string("koyomi ") + command + ": " : "koyomi: ";
}

int UsageError(const char* command, const std::string& message) {
    Tell(Speaker(command) + message);
    Tell(Msg(MSG_TRY_HELP));
    return EXIT_USAGE;
}
