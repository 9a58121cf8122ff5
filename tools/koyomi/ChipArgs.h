// What the main mode and the commands that read a chip text share on the command line:
// --now DATE, and the chip text from --chip FILE or from PATH operands.
#pragma once

#include "platform/Platform.h"
#include "tools/koyomi/Args.h"

#include <string>
#include <vector>

class CChipOptions {
public:
    // Takes the walk's argument when it is --now, --chip or a PATH.
    bool Take(CArgWalk& w);
    // Once the walk is over: --chip and PATH together are a usage error, and so is neither
    // when `required`; then the chip text is read and --now sets the clock. ARGS_PARSED, or
    // the exit code (1 for a chip file that cannot be read).
    int Finish(const char* command, bool required);
    // Whether --chip or a PATH named the data files.
    bool Named() const { return haveChip || !paths.empty(); }
    bool PathsGiven() const { return !paths.empty(); }
    // Whether --now set the clock.
    bool ClockSet() const { return haveNow; }

    std::string chip;   // the chip text, once finished
    std::string folder; // where its relative lines are read from: --chip FILE's folder

private:
    bool haveChip = false, haveNow = false;
    SYSTEMTIME now{};
    std::string chipFile;
    std::vector<std::string> paths;
};
