// The binary data file (.kmb) and the packed entry image, stated once beside the constants
// that describe them. Every integer is little-endian and unaligned, and is coded byte by byte
// with the helpers below, never as a struct (padding differs between compilers).
//
// File      offset 0   version  4 bytes  FILE_VERSION = 0x20000 (00 00 02 00): high half 2, low 0
//           offset 4   count    4 bytes  the records that follow
//           offset 8   count records back to back; nothing follows the last
// Record    offset 0   months   1 byte   start month in bits 4-7, end month in bits 0-3
//           offset 1   startDay 1 byte
//           offset 2   endDay   1 byte
//           offset 3   weekday  1 byte   weekday in bits 0-3, bits 4-7 carried as read
//           offset 4   flags    2 bytes
//           offset 6   L        2 bytes  name bytes that follow (0-127 in every file written)
//           offset 8   L bytes of name, code page 932, no terminator
// Packed    the record's first 6 bytes, then all 128 bytes of the name field: 134 bytes, the
//           image an entry takes on the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t FILE_VERSION = 0x20000;

constexpr std::size_t KMB_VERSION_OFFSET = 0;
constexpr std::size_t KMB_COUNT_OFFSET = 4;
constexpr std::size_t KMB_HEADER_SIZE = 8;

constexpr std::size_t RECORD_FLAGS_OFFSET = 4;
constexpr std::size_t RECORD_LENGTH_OFFSET = 6;
constexpr std::size_t RECORD_HEAD_SIZE = 8;

constexpr std::size_t KMD_NAME_SIZE = 128;
constexpr std::size_t KMD_NAME_MAX = 127;

constexpr std::size_t PACKED_FLAGS_OFFSET = 4;
constexpr std::size_t PACKED_NAME_OFFSET = 6;
constexpr std::size_t PACKED_SIZE = PACKED_NAME_OFFSET + KMD_NAME_SIZE;
static_assert(PACKED_SIZE == 134, "the clipboard image other copies of the editor expect");

inline std::uint16_t GetLe16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t GetLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void PutLe16(unsigned char* p, std::uint16_t v) {
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>(v >> 8);
}

inline void PutLe32(unsigned char* p, std::uint32_t v) {
    PutLe16(p, static_cast<std::uint16_t>(v & 0xFFFF));
    PutLe16(p + 2, static_cast<std::uint16_t>(v >> 16));
}
