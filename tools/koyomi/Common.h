// Shared by the koyomi subcommands: loading a file as the editor opens one, the texts of a
// message as UTF-8, the reason a system call gave.
#pragma once

#include "calendar/DayText.h"
#include "data/KmdEntryFile.h"

#include <cstdio>
#include <functional>
#include <string>

// Legacy import when the extension from the last "." is ".kmd" in any case, else binary.
bool LoadLikeEditor(CKmdEntryFile& file, const std::string& path, bool* imported);

// Why a file added nothing, in words ("no such file").
const char* LoadFailureText(LoadFailure why);
// The warning for a named file that adds nothing, with a hint when its name is nearly a
// command's.
void WarnSkipped(const SkippedFile& s);

// A binary file whose header promised more records than it held whole: what was read, and that
// the file may be damaged, on standard error.
void WarnCut(const CutFile& cut);

// CP932 to UTF-8, character by character; a byte that is no valid character is "\xNN".
std::string Cp932ToUtf8(const std::string& bytes);

// Paths and arguments as the system hands them over (the ANSI code page on Windows, the
// locale's UTF-8 natively) to UTF-8.
std::string SystemToUtf8(const std::string& bytes);

// Why the last system call failed, in words ("access denied"); empty for 0. ClearSystemError
// before a step whose failure is told, LastSystemError right after it.
void ClearSystemError();
int LastSystemError();
std::string SystemErrorText(int code);

// Saves as the editor does: a backup of an existing path first, then write(path). Without a
// whole backup the old file is not overwritten, so the previous generation is never lost.
// False with a message after `who` ("koyomi convert: ") that names the cause.
bool SaveWithBackup(const std::string& path, const std::string& who,
                    const std::function<bool(const char*)>& write);

// Usage errors exit 2, load failures 1.
constexpr int EXIT_LOAD_FAILED = 1;
constexpr int EXIT_USAGE = 2;
