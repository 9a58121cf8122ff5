// The seam to Windows. Portable code includes this header, never <windows.h> itself.
// In the win32 build these are the real Windows types and calls; natively a small
// substitute supplies what the portable code expects of them and nothing more.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/NativeWin.h"
#endif

// Double-byte awareness goes through this one test: is c the lead byte of a code page 932
// double-byte character.
bool IsLeadByte(unsigned char c);

// File helpers for the backup step and the safe writer.
bool FileExists(const char* path);
// Moves `from` onto `to`, replacing `to` when it exists. False when nothing was moved.
bool ReplaceFileWith(const char* from, const char* to);
