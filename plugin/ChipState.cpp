#include "plugin/ChipState.h"

#include "platform/Clock.h"
#include "plugin/MemoString.h"

#include <cstring>

namespace {
void FreeText(HLOCAL& text) {
    if (text)
        LocalFree(text);
    text = nullptr;
}

// A moveable zero-filled copy of text with its terminator, or null.
HLOCAL CopyText(const char* text) {
    const SIZE_T n = std::strlen(text);
    HLOCAL copy = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, n + 1);
    if (!copy)
        return nullptr;
    if (void* p = LocalLock(copy)) {
        std::memcpy(p, text, n + 1);
        LocalUnlock(copy);
        return copy;
    }
    LocalFree(copy);
    return nullptr;
}

void Generate(ChipState& chip, const char* text, const SYSTEMTIME& date) {
    FreeText(chip.resultText);
    chip.resultLength = 0;
    chip.date = date;
    chip.resultLength = MakeMemoString(text, chip.date, &chip.resultText);
}
} // namespace

HLOCAL NewChipState() {
    return LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(ChipState));
}

void FreeChipState(HLOCAL state) {
    if (!state)
        return;
    {
        CChipLock chip(state);
        if (chip) {
            FreeText(chip->resultText);
            FreeText(chip->chipText);
        }
    }
    LocalFree(state);
}

CChipLock::CChipLock(HLOCAL h) : handle(h), state(nullptr) {
    if (!handle || LocalSize(handle) < sizeof(ChipState))
        return;
    state = static_cast<ChipState*>(LocalLock(handle));
}

CChipLock::~CChipLock() {
    if (state)
        LocalUnlock(handle);
}

bool RegenerateChip(ChipState& chip, const SYSTEMTIME& date) {
    if (!chip.chipText)
        return false;
    const char* text = static_cast<const char*>(LocalLock(chip.chipText));
    if (!text)
        return false;
    Generate(chip, text, date);
    LocalUnlock(chip.chipText);
    return true;
}

void UpdateChip(ChipState& chip, const char* text) {
    SYSTEMTIME now;
    ReadLocalTime(&now);
    Generate(chip, text, now);
    FreeText(chip.chipText);
    chip.chipText = CopyText(text);
}

int CopyChipText(const ChipState& chip, char* buffer, std::int32_t size) {
    if (buffer && size > 0 && chip.resultText) {
        if (const char* text = static_cast<const char*>(LocalLock(chip.resultText))) {
            lstrcpynA(buffer, text, size);
            LocalUnlock(chip.resultText);
        }
    }
    return chip.resultLength;
}
