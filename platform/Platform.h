// The seam to Windows. Portable code includes this header, never <windows.h> itself.
// In the win32 build these are the real Windows types and calls; natively a small
// substitute supplies what the portable code expects of them and nothing more.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/NativeWin.h"
#endif

#include <cstddef>
#include <string>

// Double-byte awareness goes through this one test: is c the lead byte of a code page 932
// double-byte character.
bool IsLeadByte(unsigned char c);

enum PathSeparators { BACKSLASH_ONLY, BACKSLASH_OR_SLASH };

// Where the file-name part of a code page 932 path starts: the index after its last separator,
// 0 when it has none. The scan goes forward a character at a time, since a trail byte may be
// 0x5C (表 is 95 5C) or may itself have a lead byte's value (ル is 83 8B), so no backward scan
// can tell where a character starts.
std::size_t FileNameStart(const char* path, std::size_t length,
                          PathSeparators separators = BACKSLASH_OR_SLASH);

// Whether a path names its place from the current folder. Natively one that does not start
// with "/"; on Windows one with no drive ("C:") and no leading "\\" or "/" (which name the
// root of a drive or a server).
bool IsRelativePath(const char* path);

// The folder part of a path, with its last separator: "dir/" of "dir/chip.txt", "C:" of
// "C:chip.txt"; empty for a file of the current folder. Relative names joined to it are read
// from that folder.
std::string FolderOf(const std::string& path);

// The current folder with its last separator, as the system names it; empty when it cannot be
// told.
std::string CurrentFolder();

// Whether the system names files with code page 932 bytes (Windows' ANSI calls, as the
// plug-in's host hands its text over) rather than the UTF-8 of a native system.
bool NamesAreCp932();
