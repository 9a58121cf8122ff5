// Legacy text files were written in code page 932; today's Notepad saves them as UTF-8.
#pragma once

#include <cstddef>
#include <string>

// The bytes of a legacy text file as the code page 932 bytes the importer reads. A file with a
// UTF-8 byte order mark, or one that reads as UTF-8 rather than as code page 932, is converted
// into cp932 (a character code page 932 lacks becomes "?") and the answer is true; any other
// is code page 932 already: false, cp932 untouched.
bool LegacyTextToCp932(const unsigned char* bytes, std::size_t size, std::string& cp932);
