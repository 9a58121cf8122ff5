#include "platform/Clock.h"

namespace {
bool g_fixed = false;
SYSTEMTIME g_time;
} // namespace

void ReadLocalTime(SYSTEMTIME* st) {
    if (!st)
        return;
    if (g_fixed)
        *st = g_time;
    else
        GetLocalTime(st);
}

void SetClockOverride(const SYSTEMTIME* st) {
    g_fixed = st != nullptr;
    if (st)
        g_time = *st;
}
