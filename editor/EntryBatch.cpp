#include "editor/EntryBatch.h"

namespace {
// Removes every entry i with gone[i] true; the others keep their order.
void RemoveEntries(CKmdEntryFile& file, const std::vector<bool>& gone) {
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

// Strictly ascending places, each below `end`.
bool Ascending(const std::vector<int>& at, int end) {
    for (std::size_t i = 0; i < at.size(); ++i)
        if (at[i] < (i == 0 ? 0 : at[i - 1] + 1) || at[i] >= end)
            return false;
    return true;
}
} // namespace

bool ReplaceEntries(CKmdEntryFile& file, const std::vector<int>& take, const PlacedEntries& put) {
    const int count = file.GetCount();
    const int kept = count - static_cast<int>(take.size());
    if (put.entries.size() != put.at.size() || !Ascending(take, count) ||
        !Ascending(put.at, kept + static_cast<int>(put.Size())))
        return false;
    if (!take.empty()) {
        std::vector<bool> gone(static_cast<std::size_t>(count), false);
        for (int i : take)
            gone[static_cast<std::size_t>(i)] = true;
        RemoveEntries(file, gone);
    }
    // The list grows at its end; from there down, each entry moves to its new place until
    // the first one put in has its own. Nothing in front of that place moves.
    for (std::size_t k = 0; k < put.Size(); ++k)
        file.Add(put.entries[k]);
    int from = kept - 1;
    CKmdDate e;
    for (int j = kept + static_cast<int>(put.Size()) - 1, next = static_cast<int>(put.Size());
         next > 0; --j) {
        if (put.at[static_cast<std::size_t>(next - 1)] == j) {
            file.SetAt(static_cast<unsigned>(j), put.entries[static_cast<std::size_t>(--next)]);
        } else {
            file.GetAt(static_cast<unsigned>(from--), e);
            file.SetAt(static_cast<unsigned>(j), e);
        }
    }
    return true;
}
