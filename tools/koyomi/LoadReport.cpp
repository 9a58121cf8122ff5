#include "tools/koyomi/LoadReport.h"

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"

namespace {
// A folder as the user reads it (UTF-8): the folder given, or the current folder when empty.
std::string FolderShown(const std::string& folder) {
    const std::string shown = folder.empty() ? CurrentFolder() : folder;
    return shown.empty() ? "." : SystemToUtf8(shown);
}

// The warning for a named file that adds nothing, with a hint when its name is nearly a
// command's; a missing relative line names the folder it was looked for in.
void WarnSkipped(const SkippedFile& s, const std::string& folder) {
    // Only a chip file's folder makes a line longer; the current folder is where it was looked.
    const bool relative = IsRelativePath(s.path.c_str());
    const std::string in = !relative || (s.why == LOAD_PATH_TOO_LONG && folder.empty())
                               ? std::string()
                               : FolderShown(folder);
    std::string warning =
        "koyomi: " + Msg(MSG_WARNING) + NothingAddedText(SystemToUtf8(s.path), s.why, in);
    // A command typed after an option, or mistyped, is taken for a file name.
    if (s.why == LOAD_MISSING)
        if (const char* command = NearCommand(s.path))
            warning += Msg(MSG_DID_YOU_MEAN, {command});
    Tell(warning);
}

// What was read of a file whose header promised more records, and that it may be damaged.
void WarnCut(const CutFile& cut) {
    Tell("koyomi: " + Msg(MSG_WARNING) +
         Msg(MSG_CUT_SHORT, {SystemToUtf8(cut.path), std::to_string(cut.records.read),
                             std::to_string(cut.records.promised)}));
}
} // namespace

bool LoadAndReport(CKmdEntryFile& file, const std::string& path) {
    bool imported = false;
    const LoadReport& report = file.GetLoadReport();
    if (!OpenDataFile(file, path.c_str(), &imported)) {
        Tell(Msg(MSG_LOAD_FAILED));
        Tell("koyomi: " + SystemToUtf8(path) + ": " + LoadFailureText(report.failure));
        return false;
    }
    if (imported && report.importStopLine != 0) {
        const std::string line = std::to_string(report.importStopLine);
        if (report.importStopOffset == 0)
            Tell("koyomi: " + Msg(MSG_IMPORT_STOPPED_AT, {SystemToUtf8(path), line}));
        else
            Tell("koyomi: " +
                 Msg(MSG_IMPORT_STOPPED_IN,
                     {SystemToUtf8(path), line, std::to_string(report.importStopOffset)}));
    }
    if (report.records.Cut())
        WarnCut({path, report.records});
    return true;
}

void WarnFiles(const std::vector<SkippedFile>& skipped, const std::vector<CutFile>& cut,
               const std::string& folder) {
    for (const SkippedFile& s : skipped)
        WarnSkipped(s, folder);
    for (const CutFile& c : cut)
        WarnCut(c);
}
