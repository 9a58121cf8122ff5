// The one clock. Everything that reads the local date reads it here, so that tests and
// `koyomi --now` can set it; unset, it is the system's local time.
#pragma once

#include "platform/Platform.h"

void ReadLocalTime(SYSTEMTIME* st);
// Fixes what ReadLocalTime returns; null goes back to the system clock.
void SetClockOverride(const SYSTEMTIME* st);
