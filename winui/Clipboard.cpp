#include "winui/Clipboard.h"

#include <cstring>

ClipboardStep PutClipboardBlock(HWND owner, const char* format, const void* data,
                                std::size_t size) {
    const UINT id = RegisterClipboardFormatA(format);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, size);
    if (!block)
        return CLIPBOARD_ALLOC_FAILED;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return CLIPBOARD_LOCK_FAILED;
    }
    if (size)
        std::memcpy(p, data, size);
    // Unlocked before the clipboard takes it: a locked block cannot be handed over.
    GlobalUnlock(block);
    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return CLIPBOARD_OPEN_FAILED;
    }
    ClipboardStep step = CLIPBOARD_OK;
    if (!EmptyClipboard())
        step = CLIPBOARD_EMPTY_FAILED;
    else if (!id || !SetClipboardData(id, block))
        step = CLIPBOARD_SET_FAILED;
    CloseClipboard();
    // Once set, the block belongs to the clipboard.
    if (step != CLIPBOARD_OK)
        GlobalFree(block);
    return step;
}

ClipboardStep GetClipboardBlock(HWND owner, const char* format, std::vector<unsigned char>& out) {
    out.clear();
    const UINT id = RegisterClipboardFormatA(format);
    if (!OpenClipboard(owner))
        return CLIPBOARD_OPEN_FAILED;
    ClipboardStep step = CLIPBOARD_NONE;
    if (HANDLE block = id ? GetClipboardData(id) : nullptr) {
        const SIZE_T size = GlobalSize(block);
        if (const void* p = GlobalLock(block)) {
            const unsigned char* bytes = static_cast<const unsigned char*>(p);
            out.assign(bytes, bytes + size);
            GlobalUnlock(block);
            step = CLIPBOARD_OK;
        } else {
            step = CLIPBOARD_LOCK_FAILED;
        }
    }
    CloseClipboard();
    return step;
}
