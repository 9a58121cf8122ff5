#include "fuzz/FuzzClipboard.h"

#include "editor/ClipboardBlock.h"

#include <cstdint>
#include <cstring>

bool FuzzClipboardInput(const unsigned char* data, std::size_t size) {
    const std::vector<CKmdDate> entries = UnpackClipboardBlock(data, size);
    if (size < 4)
        return entries.empty();
    // As many entries as the count says and the block holds whole, none for a count <= 0.
    std::int64_t count = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24);
    const std::int64_t whole = static_cast<std::int64_t>((size - 4) / 134);
    if (count < 0)
        count = 0;
    if (count > whole)
        count = whole;
    if (static_cast<std::int64_t>(entries.size()) != count)
        return false;
    // Packed again, each image is the one in the block, with the name ended within its field.
    const std::vector<unsigned char> again = PackClipboardBlock(entries);
    if (again.size() != 4 + 134 * entries.size())
        return false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        unsigned char image[134];
        std::memcpy(image, data + 4 + 134 * k, sizeof image);
        image[6 + 127] = 0;
        if (std::memcmp(image, again.data() + 4 + 134 * k, sizeof image) != 0)
            return false;
        if (std::memchr(entries[k].NameField(), 0, 128) == nullptr)
            return false;
    }
    return true;
}
