// Legacy text files were written in code page 932; today's Notepad saves them as UTF-8.
#pragma once

#include <string>

// The bytes of a legacy text file as the code page 932 bytes the importer reads. A file with a
// UTF-8 byte order mark, or one that reads as UTF-8 rather than as code page 932, is converted
// (a character code page 932 lacks becomes "?"); any other is left as it is. True when converted.
bool LegacyTextToCp932(std::string& bytes);
