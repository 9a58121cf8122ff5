// The text rules of an iCalendar file (RFC 5545): escaped property values, lines folded at 75
// octets and ended in CR LF, and a stable event UID. UTF-8 in, UTF-8 out; portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A TEXT value: backslash, comma and semicolon escaped with a backslash, a line break (CR LF,
// LF or CR) as "\n"; other control characters, which TEXT may not hold, as "\xNN" like the
// replacement of a byte that is no character.
std::string IcsEscape(const std::string& utf8);

// Appends one content line to out, folded so that no line holds more than 75 octets before
// its CR LF: each continuation starts with a space, and no UTF-8 character is split.
void IcsAppendLine(std::string& out, const std::string& line);

// The 64-bit FNV-1a hash of bytes, continuing from `hash` (start with ICS_HASH_START).
constexpr std::uint64_t ICS_HASH_START = 14695981039346656037ull;
std::uint64_t IcsHash(const char* bytes, std::size_t n, std::uint64_t hash = ICS_HASH_START);

// "20270111-0123456789abcdef@koyomiru": the date and the hash of an entry's identity (its
// file, position and name), so that the same entry on the same day keeps its UID whatever
// the range, and importing again updates rather than duplicates.
std::string IcsUid(unsigned year, unsigned month, unsigned day, std::uint64_t entryHash);
