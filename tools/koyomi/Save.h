// koyomi's saves: a backup first, then the file put in place, and what failed told in words.
#pragma once

#include <functional>
#include <string>

// "cannot write PATH" and why, when a cause is known.
std::string CannotWrite(const std::string& path, const std::string& why);

// Saves as the editor does: a backup of an existing path first, then write(path), which puts
// the file in place (platform/PutInPlace.h). Without a whole backup the old file is not
// overwritten, so the previous generation is never lost. False with a message after `who`
// ("koyomi convert: ") that names the cause.
bool SaveWithBackup(const std::string& path, const std::string& who,
                    const std::function<bool(const char*)>& write);
