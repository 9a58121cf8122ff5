// What koyomi tells of a load, on standard error: a data file opened as the editor opens one,
// and the files of a chip text that added nothing or were cut short. Every text is the
// catalog's, from the engine's one report of each load.
#pragma once

#include "calendar/DayText.h"
#include "data/KmdEntryFile.h"

#include <string>
#include <vector>

// Opens path as the editor does (a ".kmd" name, in any case, is imported, any other read) and
// tells a failure, an import that stopped early or a file cut short. False when it failed.
bool LoadAndReport(CKmdEntryFile& file, const std::string& path);

// The warnings for the files of a chip text that added nothing (`skipped`) or were cut short,
// each with a hint when its name is nearly a command's; a missing relative line names the
// folder it was looked for in (`folder`, the chip file's, or the current one when empty).
void WarnFiles(const std::vector<SkippedFile>& skipped, const std::vector<CutFile>& cut,
               const std::string& folder);
