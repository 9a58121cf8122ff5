#include "plugin/MemoString.h"

#include <cstring>

namespace {
void FreeSlot(HLOCAL* slot) {
    if (*slot)
        LocalFree(*slot);
    *slot = nullptr;
}

int SlotLength(HLOCAL slot) {
    if (!slot)
        return 0;
    const char* p = static_cast<const char*>(LocalLock(slot));
    if (!p)
        return 0;
    int n = static_cast<int>(strnlen(p, LocalSize(slot)));
    LocalUnlock(slot);
    return n;
}
} // namespace

int MakeMemoString(const char* chipText, const SYSTEMTIME& date, HLOCAL* slot) {
    if (!slot)
        return 0;
    FreeSlot(slot);
    // An empty text here means the engine could not even make its error text: the slot
    // stays empty.
    const std::string text = MakeDayText(chipText, date);
    if (AppendText(slot, text.c_str()) < 0)
        FreeSlot(slot);
    return SlotLength(*slot);
}

int AppendText(HLOCAL* slot, const char* text) {
    if (!slot || !text || !text[0])
        return 1;
    const SIZE_T current = static_cast<SIZE_T>(SlotLength(*slot));
    bool fresh = false;
    if (!*slot) {
        *slot = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 128);
        if (!*slot)
            return -1;
        fresh = true;
    }
    const SIZE_T add = std::strlen(text);
    const SIZE_T size = LocalSize(*slot);
    if (size <= current + add + 1) {
        const SIZE_T grow = (add + 1 + 127) / 128 * 128;
        HLOCAL bigger = LocalReAlloc(*slot, size + grow, LMEM_MOVEABLE | LMEM_ZEROINIT);
        if (!bigger) {
            if (fresh)
                FreeSlot(slot);
            return -1;
        }
        *slot = bigger;
    }
    char* p = static_cast<char*>(LocalLock(*slot));
    if (!p)
        return -1;
    std::memcpy(p + current, text, add + 1);
    LocalUnlock(*slot);
    return 0;
}
