#include "data/LegacyText.h"

#include "platform/CodePage.h"
#include "platform/Platform.h"

namespace {
// Every character complete and valid, and at least one of more than one byte.
bool IsMultiByteUtf8(const std::string& bytes) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = Utf8CharLength(p + i, bytes.size() - i);
        if (len == 0)
            return false;
        multiByte = multiByte || len > 1;
        i += len;
    }
    return multiByte;
}

// Every byte part of a character code page 932 assigns: ASCII, a half-width katakana, or a lead
// byte with a trail byte (0x40-0x7E, 0x80-0xFC) of an assigned code.
bool IsCp932(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF))
            continue;
        if (!IsLeadByte(c) || i + 1 == bytes.size())
            return false;
        const unsigned char t = static_cast<unsigned char>(bytes[++i]);
        if (t < 0x40 || t == 0x7F || t > 0xFC)
            return false;
    }
    return Cp932Decodes(bytes);
}
} // namespace

bool LegacyTextToCp932(std::string& bytes) {
    std::string cp932;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        Utf8ToCp932(bytes.substr(3), cp932);
    } else {
        if (!IsMultiByteUtf8(bytes))
            return false;
        // A name or two of UTF-8 often reads as code page 932 too (給料日 as 邨ｦ譁呎律), while
        // code page 932 that happens to be UTF-8 reads as characters it lacks itself (ﾃｽ as
        // ý). So text valid both ways is UTF-8 when all of it has a code page 932 form.
        if (!Utf8ToCp932(bytes, cp932) && IsCp932(bytes))
            return false;
    }
    bytes.swap(cp932);
    return true;
}
