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

const UndoStep* CUndoHistory::Undo() {
    if (done.empty())
        return nullptr;
    undone.push_back(std::move(done.back()));
    done.pop_back();
    return &undone.back().step;
}

const UndoStep* CUndoHistory::Redo() {
    if (undone.empty())
        return nullptr;
    done.push_back(std::move(undone.back()));
    undone.pop_back();
    return &done.back().step;
}
