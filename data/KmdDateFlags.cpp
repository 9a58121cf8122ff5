#include "data/KmdDateFlags.h"

#include "data/KmbLayout.h"

bool CKmdDateFlags::SetType(unsigned t) {
    if (t > 15)
        return false;
    word = static_cast<std::uint16_t>((word & ~DF_TYPE_MASK) | t);
    return true;
}

bool CKmdDateFlags::SetWeek(unsigned n) {
    if (n > 5)
        return false;
    word = static_cast<std::uint16_t>((word & ~DF_WEEK_MASK) | (n << DF_WEEK_SHIFT));
    return true;
}

bool CKmdDateFlags::Pack(unsigned char* out, std::size_t size) const {
    if (!out || size < PackedSize())
        return false;
    PutLe16(out, word);
    return true;
}

bool CKmdDateFlags::Unpack(const unsigned char* in, std::size_t size) {
    if (!in || size < PackedSize())
        return false;
    word = GetLe16(in);
    return true;
}
