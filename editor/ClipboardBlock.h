// The block the editor puts on the clipboard under its own format, little-endian:
//   offset 0          4 bytes    entry count N, signed
//   offset 4 + 134 k  134 bytes  packed image of entry k (k = 0 ... N-1)
// Any program can put bytes under that format, so unpacking trusts nothing in them.
#pragma once

#include "data/KmdDate.h"

#include <cstddef>
#include <vector>

constexpr std::size_t CLIP_COUNT_SIZE = 4;

// Exactly 4 + 134 x N bytes for the N entries, in their order.
std::vector<unsigned char> PackClipboardBlock(const std::vector<CKmdDate>& entries);

// The entries of a block: as many as the count says, but only the whole images the block
// holds; none when the count is 0 or negative or the block is shorter than the count. Each
// name ends within its field, as a name the editor made would.
std::vector<CKmdDate> UnpackClipboardBlock(const unsigned char* data, std::size_t size);
