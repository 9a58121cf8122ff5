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

    std::string chip;   // the chip text, once finished
    std::string folder; // where its relative lines are read from: --chip FILE's folder
    bool clockSet = false;

private:
    bool haveChip = false, haveNow = false;
    SYSTEMTIME now{};
    std::string chipFile;
    std::vector<std::string> paths;
};

// The chip text from a file, and the folder its relative lines are read from: a regular file
// only, since a folder, a device or a FIFO would fail, never end or never arrive. A byte order
// mark is dropped, and on Windows UTF-8 becomes code page 932 (data/ChipFile.h). False with a
// message.
bool ReadChipFile(const std::string& path, std::string& chip, std::string& folder);

// PATH arguments as a chip text: one line each, joined with CR LF.
std::string ChipFromPaths(const std::vector<std::string>& paths);
