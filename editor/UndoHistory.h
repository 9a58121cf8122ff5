// The main window's undo and redo. A step of the entry list is kept as the entries it took
// out, each at its place in the list before the step, and those it put in, each at its place
// in the list after it; undoing swaps the two. Steps are dropped oldest first once they hold
// more than the memory limit, but the newest is always kept.
#pragma once

#include "editor/EntryBatch.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

struct UndoStep {
    PlacedEntries removed;  // places in the list before the step
    PlacedEntries inserted; // places in the list after it
};

// 64 MB of steps: far more than 1,000 steps of a few entries each.
constexpr std::size_t UNDO_MEMORY_LIMIT = std::size_t{64} << 20;

class CUndoHistory {
public:
    explicit CUndoHistory(std::size_t memoryLimit = UNDO_MEMORY_LIMIT);

    // No steps; the list's state counts as a new one.
    void Clear();
    // A step just done becomes the newest; the steps undone before it are gone.
    void Record(UndoStep step);
    bool CanUndo() const { return !done.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    // The step to take back (or to do again), which moves to the other side; null when none.
    // The step stays valid until the history changes again.
    const UndoStep* Undo();
    const UndoStep* Redo();

    // The list's state: a number no other state since the history began has had.
    std::uint64_t State() const { return done.empty() ? base : done.back().after; }
    std::size_t Steps() const { return done.size() + undone.size(); }
    std::size_t Bytes() const { return bytes; }

private:
    struct Kept {
        UndoStep step;
        std::uint64_t after; // the state the step leads to
        std::size_t bytes;
    };
    static std::size_t BytesOf(const UndoStep& step);
    void DropOldest();

    std::deque<Kept> done;    // oldest first
    std::vector<Kept> undone; // the next to redo last
    std::uint64_t base = 0;   // the state before the oldest step kept
    std::uint64_t lastState = 0;
    std::size_t bytes = 0;
    std::size_t limit;
};
