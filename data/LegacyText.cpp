#include "data/LegacyText.h"

#include "platform/CodePage.h"
#include "platform/Platform.h"

#include <cstring>

namespace {
// Every character complete and valid, and at least one of more than one byte.
bool IsMultiByteUtf8(const unsigned char* p, std::size_t size) {
    bool multiByte = false;
    for (std::size_t i = 0; i < size;) {
        const std::size_t len = Utf8CharLength(p + i, size - i);
        if (len == 0)
            return false;
        multiByte = multiByte || len > 1;
        i += len;
    }
    return multiByte;
}

// Every byte part of a character code page 932 assigns: ASCII, a half-width katakana, or a lead
// byte with a trail byte (0x40-0x7E, 0x80-0xFC) of an assigned code.
bool IsCp932(const unsigned char* p, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (p[i] < 0x80 || (p[i] >= 0xA1 && p[i] <= 0xDF))
            continue;
        if (!IsLeadByte(p[i]) || i + 1 == size)
            return false;
        const unsigned char t = p[++i];
        if (t < 0x40 || t == 0x7F || t > 0xFC)
            return false;
    }
    return Cp932Decodes(reinterpret_cast<const char*>(p), size);
}
} // namespace

bool LegacyTextToCp932(const unsigned char* bytes, std::size_t size, std::string& cp932) {
    const char* text = reinterpret_cast<const char*>(bytes);
    if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        Utf8ToCp932(text + 3, size - 3, cp932);
        return true;
    }
    if (!IsMultiByteUtf8(bytes, size))
        return false;
    // A name or two of UTF-8 often reads as code page 932 too (給料日 as 邨ｦ譁呎律), while code
    // page 932 that happens to be UTF-8 reads as characters it lacks itself (ﾃｽ as ý). So text
    // valid both ways is UTF-8 when all of it has a code page 932 form.
    std::string converted;
    if (!Utf8ToCp932(text, size, converted) && IsCp932(bytes, size))
        return false;
    cp932.swap(converted);
    return true;
}
