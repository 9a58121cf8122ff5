// Shared by the koyomi subcommands: loading a file as the editor opens one, the warnings about
// a chip's files, the reason a system call gave. Every text comes from the catalog.
#pragma once

#include "calendar/DayText.h"
#include "data/KmdEntryFile.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"

#include <cstdio>
#include <functional>
#include <string>

// Legacy import when the extension from the last "." is ".kmd" in any case, else binary.
bool LoadLikeEditor(CKmdEntryFile& file, const std::string& path, bool* imported);

// The warning for a named file that adds nothing, with a hint when its name is nearly a
// command's; a missing relative line names the folder it was looked for in (`folder`, the
// chip file's, or the current one when empty).
void WarnSkipped(const SkippedFile& s, const std::string& folder);
// A folder as the user reads it (UTF-8): the folder given, or the current folder when empty.
std::string FolderShown(const std::string& folder);

// A binary file whose header promised more records than it held whole: what was read, and that
// the file may be damaged, on standard error.
void WarnCut(const CutFile& cut);

// Why the last system call failed, in words ("access denied"); empty for 0. ClearSystemError
// before a step whose failure is told, LastSystemError right after it.
void ClearSystemError();
int LastSystemError();
std::string SystemErrorText(int code);

// "cannot write PATH" and why, when a cause is known.
std::string CannotWrite(const std::string& path, const std::string& why);

// Saves as the editor does: a backup of an existing path first, then write(path). Without a
// whole backup the old file is not overwritten, so the previous generation is never lost.
// False with a message after `who` ("koyomi convert: ") that names the cause.
bool SaveWithBackup(const std::string& path, const std::string& who,
                    const std::function<bool(const char*)>& write);

// Usage errors exit 2, load failures 1.
constexpr int EXIT_LOAD_FAILED = 1;
constexpr int EXIT_USAGE = 2;
