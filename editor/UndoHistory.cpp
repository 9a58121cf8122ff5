#include "editor/UndoHistory.h"

#include <utility>

CUndoHistory::CUndoHistory(std::size_t memoryLimit) : limit(memoryLimit) {
    Clear();
}

void CUndoHistory::Clear() {
    done.clear();
    undone.clear();
    bytes = 0;
    base = ++lastState;
}

std::size_t CUndoHistory::BytesOf(const UndoStep& step) {
    const std::size_t one = sizeof(int) + sizeof(CKmdDate);
    return sizeof(Kept) + one * (step.removed.Size() + step.inserted.Size());
}

void CUndoHistory::Record(UndoStep step) {
    for (const Kept& k : undone)
        bytes -= k.bytes;
    undone.clear();
    const std::size_t size = BytesOf(step);
    done.push_back({std::move(step), ++lastState, size});
    bytes += size;
    while (bytes > limit && done.size() > 1)
        DropOldest();
}

void CUndoHistory::DropOldest() {
    base = done.front().after;
    bytes -= done.front().bytes;
    done.pop_front();
}

namespace {
// The newest step of one side moved to the other: the step undone or done again.
template <class From, class To> const UndoStep* MoveNewest(From& from, To& to) {
    if (from.empty())
        return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    return &to.back().step;
}
} // namespace

const UndoStep* CUndoHistory::Undo() {
    return MoveNewest(done, undone);
}

const UndoStep* CUndoHistory::Redo() {
    return MoveNewest(undone, done);
}
