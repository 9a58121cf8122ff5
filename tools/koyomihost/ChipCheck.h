// What the host tells from outside the plug-in about a chip text: which of its lines add
// nothing to the chip, which the plug-in itself never says.
#pragma once

#include <windows.h>

#include <string>

// One warning line for each path of the chip text that adds nothing, in chip-text order. The
// paths are read by the engine's own line reader, as the plug-in reads them on the day
// `today` (the next year's too when a line's notice reaches into it). A path adds nothing when
// it is longer than the plug-in's 259 bytes, names no file, names something other than a disk
// file, cannot be read, or does not begin with a data file's header (8 bytes, version 2.0).
std::string NothingAddedWarnings(const std::string& chipText, const SYSTEMTIME& today);
