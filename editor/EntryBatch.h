// Changes of many entries at once, in time linear in the list: the per-entry InsertAt and
// RemoveAt move the whole rest of the list each time.
#pragma once

#include "calendar/KmdDataFile.h"

#include <vector>

// Inserts the entries, in order, in front of entry `at` (at most the count: at the count they
// are appended). False, with nothing changed, when `at` is beyond the count.
bool InsertEntries(CKmdDataFile& file, int at, const std::vector<CKmdDate>& entries);
// Removes every entry i with gone[i] true; the others keep their order.
void RemoveEntries(CKmdDataFile& file, const std::vector<bool>& gone);
