// Shared by the koyomi subcommands: loading a file as the editor opens one, and turning
// code page 932 bytes into UTF-8 for a terminal.
#pragma once

#include "calendar/KmdDataFile.h"

#include <cstdio>
#include <string>

// Legacy import when the extension from the last "." is ".kmd" in any case, else binary.
bool LoadLikeEditor(CKmdDataFile& file, const std::string& path, bool* imported);

// A binary file whose header promised more records than it held whole: what was read, and that
// the file may be damaged, on standard error.
void WarnIfCut(const std::string& path, unsigned long promised, unsigned long whole,
               unsigned long read);

// CP932 to UTF-8, character by character; a byte that is no valid character is "\xNN".
std::string Cp932ToUtf8(const std::string& bytes);

// Writes UTF-8 text for the terminal: to a Windows console as its characters, elsewhere as
// the bytes.
void PutUtf8(std::FILE* out, const std::string& utf8);

// Writes a text of the program's own (code page 932 literals) for the terminal: UTF-8
// natively, unchanged on Windows, whose console speaks code page 932.
void PutText(std::FILE* out, const std::string& cp932);

// Usage errors exit 2, load failures 1.
constexpr int EXIT_LOAD_FAILED = 1;
constexpr int EXIT_USAGE = 2;
