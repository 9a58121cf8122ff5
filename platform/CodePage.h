// The engine's bytes and the UTF-8 of the world outside: text from outside turned into the code
// page 932 bytes the engine holds, and those bytes back into UTF-8 for a reader.
#pragma once

#include <cstddef>
#include <string>

// The length of the UTF-8 character at p (n bytes there, n > 0), 0 when none starts there:
// overlong forms, surrogates and code points past U+10FFFF are none.
std::size_t Utf8CharLength(const unsigned char* p, std::size_t n);

// UTF-8 to code page 932, a character at a time. A character with no code page 932 form (no
// look-alike is taken) and a byte that starts no valid UTF-8 character become "?". False when
// any did.
bool Utf8ToCp932(const char* utf8, std::size_t size, std::string& cp932);

// Whether every character of the bytes is one code page 932 assigns (an unassigned double-byte
// code is not). Byte ranges are the caller's to check.
bool Cp932Decodes(const char* bytes, std::size_t size);

// Code page 932 to UTF-8, a character at a time; a byte that starts no valid character becomes
// "\xNN". For a text Utf8ToCp932 made whole, this gives the UTF-8 back unchanged.
std::string Cp932ToUtf8(const std::string& bytes);

// Paths and arguments as the system hands them over (the ANSI code page on Windows, the
// locale's UTF-8 natively) to UTF-8.
std::string SystemToUtf8(const std::string& bytes);
