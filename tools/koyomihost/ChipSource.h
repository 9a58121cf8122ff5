// The chip file the host shows: its text read as koyomi --chip reads one (a byte order mark
// dropped, UTF-8 as Notepad saves it turned into code page 932), read again on request, and
// the helper's change written back as the file held it.
#pragma once

#include "data/ChipFile.h"

#include <string>

class CChipSource {
public:
    explicit CChipSource(std::string path) : path(std::move(path)) {}

    // Reads the file; false, with a message (code page 932), and the text kept as it was.
    bool Read(std::string& error);
    const std::string& Text() const { return file.text; }
    const std::string& Path() const { return path; }
    // Writes text in the file's encoding, put in place whole; false with the reason. A file
    // whose text lost characters on the way in is not written over.
    bool Write(const std::string& text, std::string& why);

private:
    std::string path;
    ChipFileText file{std::string(), CHIP_AS_NAMED, true};
};
