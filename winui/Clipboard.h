// The clipboard under a registered format: a copy of a byte block in, a copy out.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// The step that failed, or CLIPBOARD_OK.
enum ClipboardStep {
    CLIPBOARD_OK,
    CLIPBOARD_ALLOC_FAILED,
    CLIPBOARD_LOCK_FAILED,
    CLIPBOARD_OPEN_FAILED,
    CLIPBOARD_EMPTY_FAILED,
    CLIPBOARD_SET_FAILED,
    CLIPBOARD_NONE, // nothing under the format
};

// Places a copy of the bytes under `format` (registered by name), owned by `owner`, in a
// moveable, zero-filled, shareable block. On any failure the block is freed and the
// clipboard closed again.
ClipboardStep PutClipboardBlock(HWND owner, const char* format, const void* data, std::size_t size);
// Reads a copy of the block under `format`: all of it, never past its size.
ClipboardStep GetClipboardBlock(HWND owner, const char* format, std::vector<unsigned char>& out);
