#include "platform/FileOps.h"

namespace {
IFileOpObserver* g_observer = nullptr;
}

void ObserveFileOps(IFileOpObserver* observer) {
    g_observer = observer;
}

bool NoteFileOp(FileOp op, const char* path, const char* to, const void* bytes, std::size_t size,
                bool writeThrough) {
    return !g_observer || g_observer->Before({op, path, to, bytes, size, writeThrough});
}
