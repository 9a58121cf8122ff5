// A chip text kept in a file (for koyomi --chip and the test host): the bytes a text editor
// saved, turned into the chip text the engine reads, and back.
#pragma once

#include "platform/Files.h"
#include "platform/Platform.h"

#include <cstddef>
#include <string>

// How the file holds its text.
enum ChipEncoding {
    CHIP_AS_NAMED, // the system's own bytes for names: code page 932 on Windows, UTF-8 natively
    CHIP_UTF8,     // UTF-8 converted to code page 932 for Windows' names
    CHIP_UTF8_BOM, // the same after a byte order mark; natively the mark is all that is dropped
};

struct ChipFileText {
    std::string text;      // the chip text, up to its first NUL
    ChipEncoding encoding; // of the file
    bool whole;            // the file's bytes come back from text: nothing was lost reading it
};

// The chip text of a file's bytes. A byte order mark is dropped. Where names are code page 932
// (Windows), UTF-8 is told from code page 932 as for legacy text files (a mark, or valid UTF-8
// that is not code page 932) and converted by the same conversion; code page 932 stays as it
// is. Natively the bytes name files as the file system spells them. (`cp932Names` says which
// system's rules apply, so that tests and fuzzers reach both.)
ChipFileText ChipTextOfBytes(const unsigned char* bytes, std::size_t size,
                             bool cp932Names = NamesAreCp932());

// Reads path's chip text; false, with the reason, unless path is a regular file read whole.
bool ReadChipFile(const char* path, ChipFileText& out, OpenFailure& why);

// The bytes that hold `text` in `encoding`, a mark included: a text changed by the plug-in's
// helper, written back as the file held it.
std::string ChipFileBytes(const std::string& text, ChipEncoding encoding,
                          bool cp932Names = NamesAreCp932());
