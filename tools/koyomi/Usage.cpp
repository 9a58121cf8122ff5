#include "tools/koyomi/Commands.h"

#include "tools/koyomi/Common.h"
#include "tools/koyomi/Output.h"

void PrintVersion() {
    StdOut().Text("koyomi " KOYOMI_VERSION "\n");
}

void PrintUsage(bool full) {
    CTextOut& out = full ? StdOut() : StdErr();
    out.Text(Msg(MSG_HELP_USAGE));
    if (!full)
        return;
#ifdef _WIN32
    out.Text(Msg(MSG_HELP_MAIN) + Msg(MSG_HELP_OUTPUT_WINDOWS) + Msg(MSG_HELP_COMMANDS) +
             Msg(MSG_HELP_EXAMPLES_WINDOWS));
#else
    out.Text(Msg(MSG_HELP_MAIN) + Msg(MSG_HELP_OUTPUT_NATIVE) + Msg(MSG_HELP_COMMANDS) +
             Msg(MSG_HELP_EXAMPLES_NATIVE));
#endif
}
