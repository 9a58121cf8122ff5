// A small chip window: the plug-in's text for one chip, its menu on a right click and the
// helper for editing the chip's text, as the memo program offers them.
#pragma once

#include "tools/koyomihost/Plugin.h"

constexpr char CHIP_WINDOW_CLASS[] = "KoyomiruChipWindow";

// Runs the window until it is closed; returns the process exit code.
int RunChipWindow(CPlugin& plugin, const std::string& chipText, const char* title);
