// The on-disk record of data/KmbLayout.h.
#include "data/KmdDate.h"

#include <cstring>
#include <string>

std::size_t CKmdDate::ReadFrom(const unsigned char* bytes, std::size_t size, bool& whole) {
    // Fields are stored only when read in full; a field cut by the end stays as it was.
    whole = false;
    std::uint8_t* const single[4] = {&months, &startDay, &endDay, &weekday};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i >= size)
            return size;
        *single[i] = bytes[i];
    }
    if (size < RECORD_LENGTH_OFFSET)
        return size;
    flags.Unpack(bytes + RECORD_FLAGS_OFFSET, CKmdDateFlags::PackedSize());
    std::memset(name, 0, sizeof name);
    if (size < RECORD_HEAD_SIZE)
        return size;
    const std::size_t length = GetLe16(bytes + RECORD_LENGTH_OFFSET);
    // Only 127 bytes fit with the terminator; a longer name from a damaged or foreign file
    // keeps its first 127 bytes and the rest is skipped.
    const std::size_t rest = size - RECORD_HEAD_SIZE;
    const std::size_t present = length < rest ? length : rest;
    std::memcpy(name, bytes + RECORD_HEAD_SIZE, present < KMD_NAME_MAX ? present : KMD_NAME_MAX);
    whole = present == length;
    return RECORD_HEAD_SIZE + present;
}

void CKmdDate::WriteTo(std::string& out) const {
    // A pasted image may hold a name field without NUL: never look past the field.
    const std::size_t length = strnlen(name, KMD_NAME_MAX);
    unsigned char head[RECORD_HEAD_SIZE] = {months, startDay, endDay, weekday};
    flags.Pack(head + RECORD_FLAGS_OFFSET, CKmdDateFlags::PackedSize());
    PutLe16(head + RECORD_LENGTH_OFFSET, static_cast<std::uint16_t>(length));
    out.append(reinterpret_cast<const char*>(head), sizeof head);
    out.append(name, length);
}
