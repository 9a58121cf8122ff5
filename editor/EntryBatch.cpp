#include "editor/EntryBatch.h"

bool InsertEntries(CKmdDataFile& file, int at, const std::vector<CKmdDate>& entries) {
    const int count = file.GetCount();
    if (at < 0 || at > count)
        return false;
    if (entries.size() == 1 && at < count)
        return file.InsertAt(static_cast<unsigned>(at), entries[0]);
    // The tail comes off the end (no moves), the new entries and the tail go back on.
    std::vector<CKmdDate> tail;
    tail.reserve(static_cast<std::size_t>(count - at));
    for (int i = at; i < count; ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        tail.push_back(e);
    }
    for (int i = count - 1; i >= at; --i)
        file.RemoveAt(static_cast<unsigned>(i));
    for (const CKmdDate& e : entries)
        file.Add(e);
    for (const CKmdDate& e : tail)
        file.Add(e);
    return true;
}

void RemoveEntries(CKmdDataFile& file, const std::vector<bool>& gone) {
    const int count = file.GetCount();
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (i < static_cast<int>(gone.size()) && gone[i])
            continue;
        if (kept != i) {
            CKmdDate e;
            file.GetAt(static_cast<unsigned>(i), e);
            file.SetAt(static_cast<unsigned>(kept), e);
        }
        ++kept;
    }
    for (int i = count - 1; i >= kept; --i)
        file.RemoveAt(static_cast<unsigned>(i));
}
