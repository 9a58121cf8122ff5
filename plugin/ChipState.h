// The per-chip state that the host keeps for the plug-in by handle: one moveable, zero-filled
// local-memory block, locked only for the time of one access.
#pragma once

#include <windows.h>

#include <cstdint>

struct ChipState {
    HLOCAL resultText;         // the last generated chip text, or null
    std::int32_t resultLength; // its length in bytes, 0 when there is none
    SYSTEMTIME date;           // the date in use
    HLOCAL chipText;           // copy of the chip text as last passed to Update, or null
};

// A zero-filled state block, or null when memory ran out.
HLOCAL NewChipState();
// Frees both texts and the block itself; a null handle is skipped.
void FreeChipState(HLOCAL state);

// Locks a state block for one access and unlocks it when it goes out of scope. A null
// handle, a block that cannot be locked or one too small for a state is no state.
class CChipLock {
public:
    explicit CChipLock(HLOCAL handle);
    ~CChipLock();
    CChipLock(const CChipLock&) = delete;
    CChipLock& operator=(const CChipLock&) = delete;

    ChipState* Get() const { return state; }
    explicit operator bool() const { return state != nullptr; }
    ChipState* operator->() const { return state; }

private:
    HLOCAL handle;
    ChipState* state;
};

// Regenerates the chip's text for its date from the saved chipText. False, with nothing
// changed, when the chip has no chipText yet.
bool RegenerateChip(ChipState& chip, const SYSTEMTIME& date);
// The Update step for a chip text: the text for the current local date, and a fresh copy of
// the chip text kept for the menu commands.
void UpdateChip(ChipState& chip, const char* text);
// Copies at most size - 1 bytes and a NUL when buffer and size allow; returns resultLength.
int CopyChipText(const ChipState& chip, char* buffer, std::int32_t size);
