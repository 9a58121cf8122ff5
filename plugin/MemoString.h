// The chip's text in the memory the host expects: the engine's day text (calendar/DayText.h)
// copied into a moveable, zero-filled local-memory block held in a handle slot.
#pragma once

#include "calendar/DayText.h"
#include "platform/Platform.h"

// Frees the text in *slot, builds the new one there and returns its length (0 when the slot
// is left empty). chipText may be null.
int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot);

// Appends text to the block in *slot, allocating or growing it in 128-byte steps.
// 0 when appended, 1 when text is null or empty, -1 when memory ran out (block unchanged).
int AppendText(HLOCAL* slot, const char* text);
