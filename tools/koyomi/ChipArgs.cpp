#include "tools/koyomi/ChipArgs.h"

#include "data/ChipFile.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/Usage.h"

namespace {
// The chip text from a file, and the folder its relative lines are read from: a regular file
// only, since a folder, a device or a FIFO would fail, never end or never arrive. A byte order
// mark is dropped, and on Windows UTF-8 becomes code page 932 (data/ChipFile.h). False with a
// message.
bool ChipOfFile(const std::string& path, std::string& chip, std::string& folder) {
    ChipFileText file;
    OpenFailure why = OPEN_OK;
    if (!ReadChipFile(path.c_str(), file, why)) {
        Tell("koyomi: " + Msg(MSG_CHIP_UNREADABLE, {SystemToUtf8(path), OpenFailureText(why)}));
        return false;
    }
    chip.swap(file.text);
    folder = FolderOf(path);
    return true;
}

// PATH arguments as a chip text: one line each, joined with CR LF.
std::string ChipFromPaths(const std::vector<std::string>& paths) {
    std::string chip;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i != 0)
            chip += "\r\n";
        chip += paths[i];
    }
    return chip;
}
} // namespace

bool CChipOptions::Take(CArgWalk& w) {
    if (w.Operand()) {
        paths.push_back(w.Arg());
    } else if (w.Date("--now", now)) {
        haveNow = true;
    } else if (w.Value("--chip", chipFile)) {
        if (chipFile.empty())
            w.Error(Msg(MSG_NEEDS_FILE, {"--chip"}));
        haveChip = true;
    } else {
        return false;
    }
    return true;
}

int CChipOptions::Finish(const char* command, bool required) {
    if (haveChip && !paths.empty())
        return UsageError(command, Msg(MSG_CHIP_OR_PATHS));
    if (required && !Named())
        return UsageError(command, Msg(MSG_NAME_THE_FILES));
    if (haveChip && !ChipOfFile(chipFile, chip, folder))
        return EXIT_LOAD_FAILED;
    if (!haveChip)
        chip = ChipFromPaths(paths);
    if (haveNow)
        SetClockOverride(&now);
    return ARGS_PARSED;
}
