// Changes of many entries at once, in time linear in the list: the per-entry InsertAt and
// RemoveAt move the whole rest of the list each time.
#pragma once

#include "data/KmdEntryFile.h"

#include <cstddef>
#include <vector>

// Entries at places of a list: entries[i] stands at at[i]; places ascend.
struct PlacedEntries {
    std::vector<int> at;
    std::vector<CKmdDate> entries;

    void Push(int place, const CKmdDate& entry) {
        at.push_back(place);
        entries.push_back(entry);
    }
    std::size_t Size() const { return at.size(); }
};

// Takes out the entries at the places `take` of the list as it is, then puts `put`'s entries
// in at their places in the list that results. False, with nothing changed, when a place is
// out of order or beyond its list.
bool ReplaceEntries(CKmdEntryFile& file, const std::vector<int>& take, const PlacedEntries& put);
