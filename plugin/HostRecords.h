// The records that cross the boundary between the memo program and the plug-in, and the
// signatures of the nineteen exports as a host calls them. 32-bit layout: pointers and
// handles are four bytes wide, offsets are fixed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// SpecificationRecord, filled by DrawExSpecification: 256 at 0 and 4, the display name from
// 8 (its field ends where the next value lies), 150 at 60, 1 at 64, 44 at 68.
constexpr std::size_t SPEC_NAME_OFFSET = 8;
constexpr std::size_t SPEC_NAME_SIZE = 52;
constexpr std::size_t SPEC_RECORD_SIZE = 72;

// ChipRecord, passed to Update: only the chip text pointer at offset 72 is read.
constexpr std::size_t CHIP_TEXT_OFFSET = 72;
constexpr std::size_t CHIP_RECORD_SIZE = 76;

// EditHelperRecord, passed to EditHelper: both lengths are set to the new text length when
// a data file was chosen; the text block belongs to the host and may be null.
struct EditHelperRecord {
    std::int32_t length;
    std::int32_t length2;
    HGLOBAL text;
};
static_assert(offsetof(EditHelperRecord, length2) == 4, "host layout");
static_assert(offsetof(EditHelperRecord, text) == 8, "host layout");

// The export signatures. The no-action exports take what this host passes; none of their
// arguments is read.
extern "C" {
typedef int(WINAPI* DrawExSpecificationProc)(void* record);
typedef int(WINAPI* DrawExConfigureProc)(HWND owner);
typedef int(WINAPI* DrawExAboutProc)(HWND owner);
typedef int(WINAPI* InitializeChipProc)(HLOCAL* state);
typedef int(WINAPI* UnInitializeChipProc)(HLOCAL state);
typedef int(WINAPI* UpdateProc)(HLOCAL state, void* unused, const void* chip);
typedef int(WINAPI* GetMemoStringProc)(HLOCAL state, char* buffer, std::int32_t size);
typedef int(WINAPI* ExchangeSendStringProc)(HGLOBAL* text);
typedef HMENU(WINAPI* GetDrawExMenuProc)();
typedef int(WINAPI* DoDrawExMenuProc)(HLOCAL state, HWND owner, UINT id);
typedef int(WINAPI* EditHelperProc)(HWND owner, EditHelperRecord* record);
typedef int(WINAPI* GetTimerSpanProc)();
typedef int(WINAPI* DoTimerProc)(HLOCAL state);
typedef int(WINAPI* ResizeProc)(HLOCAL state, const RECT* rect);
typedef int(WINAPI* GetSaveDataProc)(HLOCAL state, HGLOBAL* data);
typedef int(WINAPI* DrawChipProc)(HLOCAL state, HDC dc, const RECT* rect);
typedef int(WINAPI* MouseClikProc)(HLOCAL state, HWND window, UINT message, LPARAM point);
typedef int(WINAPI* CalcDefaultRectProc)(HLOCAL state, RECT* rect);
typedef void(WINAPI* ZoomProc)(HLOCAL state, int percent);
}
