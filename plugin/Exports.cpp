// The nineteen functions the memo program calls. Nothing leaves them but their results: each
// body that does work runs inside the guard, which turns any exception into the export's
// fixed failure result (the value the table gives it, or 0 where that depends on the outcome).
#include "platform/Clock.h"
#include "platform/Guard.h"
#include "plugin/ChipState.h"
#include "plugin/Dialogs.h"
#include "plugin/HostRecords.h"
#include "plugin/MemoString.h"
#include "plugin/Menu.h"
#include "plugin/Module.h"
#include "winui/MessageBox.h"

#include <cstring>

namespace {
const char kDisplayName[] = "控え帳版ＫＹＯＭＩ";
static_assert(sizeof kDisplayName <= SPEC_NAME_SIZE, "the name must end before offset 60");

void PutInt(void* record, std::size_t offset, std::int32_t value) {
    std::memcpy(static_cast<char*>(record) + offset, &value, sizeof value);
}

// The host's text, NUL-terminated within its block; a block without a terminator is read
// through a terminated copy in *copy (freed by the caller), never past its end.
const char* TerminatedText(const char* text, SIZE_T size, HLOCAL* copy) {
    *copy = nullptr;
    if (strnlen(text, size) < size)
        return text;
    *copy = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size + 1);
    char* p = *copy ? static_cast<char*>(LocalLock(*copy)) : nullptr;
    if (!p)
        return nullptr;
    std::memcpy(p, text, size);
    return p;
}

void FreeCopy(HLOCAL copy) {
    if (copy) {
        LocalUnlock(copy);
        LocalFree(copy);
    }
}

// Rewrites the host's block with text (n bytes and a NUL); false with the block unchanged
// when it cannot be reallocated.
bool ReplaceHostText(HGLOBAL* handle, const char* text, SIZE_T n) {
    HGLOBAL block = GlobalReAlloc(*handle, n + 1, GMEM_MOVEABLE | GMEM_NOCOMPACT);
    if (!block)
        return false;
    *handle = block;
    char* p = static_cast<char*>(GlobalLock(block));
    if (!p)
        return false;
    std::memcpy(p, text, n + 1);
    GlobalUnlock(block);
    return true;
}
} // namespace

extern "C" {

int WINAPI DrawExSpecification(void* record) {
    KOYOMI_GUARD_BEGIN
    if (!record)
        return 0;
    PutInt(record, 0, 256);
    PutInt(record, 4, 256);
    std::memcpy(static_cast<char*>(record) + SPEC_NAME_OFFSET, kDisplayName, sizeof kDisplayName);
    PutInt(record, 60, 150);
    PutInt(record, 64, 1);
    PutInt(record, 68, 44);
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI DrawExConfigure(HWND owner) {
    KOYOMI_GUARD_BEGIN
    ShowMessage(owner, "設定項目は有りません", BOX_INFO);
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI DrawExAbout(HWND owner) {
    KOYOMI_GUARD_BEGIN
    ShowAbout(owner);
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI InitializeChip(HLOCAL* state) {
    KOYOMI_GUARD_BEGIN
    if (state)
        *state = NewChipState();
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI UnInitializeChip(HLOCAL state) {
    KOYOMI_GUARD_BEGIN
    FreeChipState(state);
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI Update(HLOCAL state, void*, const void* chip) {
    KOYOMI_GUARD_BEGIN
    CChipLock lock(state);
    if (!lock || !chip)
        return 1;
    const char* text;
    std::memcpy(&text, static_cast<const char*>(chip) + CHIP_TEXT_OFFSET, sizeof text);
    if (text)
        UpdateChip(*lock.Get(), text);
    return 1;
    KOYOMI_GUARD_END(1)
}

int WINAPI GetMemoString(HLOCAL state, char* buffer, std::int32_t size) {
    KOYOMI_GUARD_BEGIN
    CChipLock lock(state);
    return lock ? CopyChipText(*lock.Get(), buffer, size) : 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI ExchangeSendString(HGLOBAL* handle) {
    KOYOMI_GUARD_BEGIN
    if (!handle || !*handle)
        return 0;
    const char* locked = static_cast<const char*>(GlobalLock(*handle));
    if (!locked)
        return 0;
    HLOCAL copy;
    const char* text = TerminatedText(locked, GlobalSize(*handle), &copy);
    SYSTEMTIME now;
    ReadLocalTime(&now);
    HLOCAL generated = nullptr;
    const int n = text ? MakeMemoString(text, now, &generated) : 0;
    FreeCopy(copy);
    GlobalUnlock(*handle);
    if (!generated)
        return 0;
    int result = 0;
    if (const char* p = static_cast<const char*>(LocalLock(generated))) {
        if (ReplaceHostText(handle, p, static_cast<SIZE_T>(n)))
            result = n;
        LocalUnlock(generated);
    }
    LocalFree(generated);
    return result;
    KOYOMI_GUARD_END(0)
}

HMENU WINAPI GetDrawExMenu() {
    KOYOMI_GUARD_BEGIN
    return BuildChipMenu();
    KOYOMI_GUARD_END(nullptr)
}

int WINAPI DoDrawExMenu(HLOCAL state, HWND owner, UINT id) {
    KOYOMI_GUARD_BEGIN
    return RunMenuCommand(state, owner, id);
    KOYOMI_GUARD_END(0)
}

int WINAPI EditHelper(HWND owner, EditHelperRecord* record) {
    KOYOMI_GUARD_BEGIN
    ShowHelper(owner, record);
    return 1;
    KOYOMI_GUARD_END(1)
}

int WINAPI GetTimerSpan() {
    KOYOMI_GUARD_BEGIN
    return -1;
    KOYOMI_GUARD_END(-1)
}

int WINAPI DoTimer(HLOCAL) {
    KOYOMI_GUARD_BEGIN
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI Resize(HLOCAL, const RECT*) {
    KOYOMI_GUARD_BEGIN
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI GetSaveData(HLOCAL, HGLOBAL*) {
    KOYOMI_GUARD_BEGIN
    return 0;
    KOYOMI_GUARD_END(0)
}

int WINAPI DrawChip(HLOCAL, HDC, const RECT*) {
    KOYOMI_GUARD_BEGIN
    return 1;
    KOYOMI_GUARD_END(1)
}

int WINAPI MouseClik(HLOCAL, HWND, UINT, LPARAM) {
    KOYOMI_GUARD_BEGIN
    return 1;
    KOYOMI_GUARD_END(1)
}

int WINAPI CalcDefaultRect(HLOCAL, RECT*) {
    KOYOMI_GUARD_BEGIN
    return 1;
    KOYOMI_GUARD_END(1)
}

void WINAPI Zoom(HLOCAL, int) {
    KOYOMI_GUARD_BEGIN
    KOYOMI_GUARD_END_VOID
}

#ifdef KOYOMI_TEST_SEAM
// Test-only build: the editor path this copy of the library worked out when it was loaded.
int WINAPI KoyomiruTestToolPath(char* buffer, int size) {
    KOYOMI_GUARD_BEGIN
    if (buffer && size > 0)
        lstrcpynA(buffer, g_toolPath, size);
    return lstrlenA(g_toolPath);
    KOYOMI_GUARD_END(0)
}
#endif
}
