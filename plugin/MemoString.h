// The day text: from a chip's text (data-file paths, one per line) and a date, the text the
// chip shows. Portable: it needs only the platform seam.
#pragma once

#include "data/KmdDataFile.h"
#include "platform/Platform.h"

#include <string>
#include <vector>

constexpr int MEMO_LINE_SIZE = 260;  // one path after placeholder replacement, with its NUL
constexpr int MEMO_WORK_SIZE = 1024; // the header line, then each name in turn

// Frees the text in *slot, builds the new one there and returns its length (0 when the slot
// is left empty). chipText may be null.
int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot);

// A named data file that added nothing to the text, and why.
struct SkippedFile {
    std::string path;
    LoadFailure why;
};
// The same text; each named file that added nothing is also listed in *skipped, in chip-text
// order (for a tool that tells what the chip silently leaves out).
int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot,
                   std::vector<SkippedFile>* skipped);

// The next data-file path of chipText from byte position pos on, "%YEAR%"/"%year%" replaced
// by year. line holds MEMO_LINE_SIZE bytes. A line that would not fit is skipped whole.
// True while a non-empty path was produced.
bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText);

// Appends text to the block in *slot, allocating or growing it in 128-byte steps.
// 0 when appended, 1 when text is null or empty, -1 when memory ran out (block unchanged).
int AppendText(HLOCAL* slot, const char* text);
