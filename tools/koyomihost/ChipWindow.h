// A small chip window: the plug-in's text for one chip, its menu on a right click and the
// helper for editing the chip's text, as the memo program offers them. The chip's text is a
// file's: read again for 更新 (and F5) and whenever it changed, and the helper's change is
// written back to it.
#pragma once

#include "tools/koyomihost/ChipSource.h"
#include "tools/koyomihost/Plugin.h"

constexpr char CHIP_WINDOW_CLASS[] = "KoyomiruChipWindow";
// The control that shows the chip's text, and under it the lines that add nothing.
constexpr int CHIP_TEXT_ID = 100;

// Runs the window until it is closed; returns the process exit code.
int RunChipWindow(CPlugin& plugin, CChipSource& source);
