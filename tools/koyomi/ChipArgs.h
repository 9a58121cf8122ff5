// What every command that reads a chip text shares: its options' values, its dates on the command
// line, the chip text from --chip FILE or from PATH arguments, and why a named file added nothing.
#pragma once

#include "data/KmdEntryFile.h"
#include "platform/Files.h"
#include "platform/Platform.h"

#include <string>
#include <vector>

// YYYY-MM-DD, a real date of the years 1601-9999 (the range a SYSTEMTIME of Windows takes and
// four digits print). The weekday comes from the calendar.
bool ParseDate(const char* text, SYSTEMTIME& out);

// The chip text from a file, and the folder its relative lines are read from: a regular file
// only, since a folder, a device or a FIFO would fail, never end or never arrive. A byte order
// mark is dropped, and on Windows UTF-8 becomes code page 932 (data/ChipFile.h). False with a
// message.
bool ReadChipFile(const std::string& path, std::string& chip, std::string& folder);

// PATH arguments as a chip text: one line each, joined with CR LF.
std::string ChipFromPaths(const std::vector<std::string>& paths);

// An option's value, "--opt VALUE" or "--opt=VALUE" (empty when the arguments end); false when
// argv[i] is not that option.
bool TakeValue(int argc, char** argv, int& i, const char* name, std::string& value);
