// Reading a chip text line by line, as every part that shows a chip reads it: the plug-in,
// koyomi and koyomihost. Declared publicly in DayText.h as NextDataFileName.
#pragma once

#include "calendar/DayText.h"

#include <vector>

// NextDataFileName for a chip text of a known length (its first NUL).
bool NextChipLine(unsigned& pos, char* line, unsigned year, const char* chipText, unsigned length,
                  unsigned& notice, std::vector<SkippedFile>* skipped);
