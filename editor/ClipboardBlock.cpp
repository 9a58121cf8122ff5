#include "editor/ClipboardBlock.h"

#include <cstdint>
#include <cstring>

std::vector<unsigned char> PackClipboardBlock(const std::vector<CKmdDate>& entries) {
    const std::size_t image = CKmdDate::PackedSize();
    std::vector<unsigned char> block(CLIP_COUNT_SIZE + image * entries.size(), 0);
    const std::uint32_t n = static_cast<std::uint32_t>(entries.size());
    for (std::size_t b = 0; b < CLIP_COUNT_SIZE; ++b)
        block[b] = static_cast<unsigned char>(n >> (8 * b));
    for (std::size_t k = 0; k < entries.size(); ++k)
        entries[k].Pack(&block[CLIP_COUNT_SIZE + image * k], image);
    return block;
}

std::vector<CKmdDate> UnpackClipboardBlock(const unsigned char* data, std::size_t size) {
    std::vector<CKmdDate> entries;
    if (!data || size < CLIP_COUNT_SIZE)
        return entries;
    const std::uint32_t raw =
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (raw == 0 || raw > 0x7FFFFFFFu) // read back as a signed number: 0 or less is nothing
        return entries;
    const std::size_t image = CKmdDate::PackedSize();
    std::size_t count = (size - CLIP_COUNT_SIZE) / image;
    if (raw < count)
        count = raw;
    entries.reserve(count);
    unsigned char copy[134];
    for (std::size_t k = 0; k < count; ++k) {
        std::memcpy(copy, data + CLIP_COUNT_SIZE + image * k, image);
        copy[6 + KMD_NAME_MAX] = 0; // a foreign name may fill its field without a terminator
        CKmdDate entry;
        entry.Unpack(copy, image);
        entries.push_back(entry);
    }
    return entries;
}
