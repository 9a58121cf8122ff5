#include "platform/CodePage.h"

#include "platform/Platform.h"

#include <cstdio>
#include <cstring>
#ifndef _WIN32
#include <cerrno>
#include <iconv.h>
#endif

std::size_t Utf8CharLength(const unsigned char* p, std::size_t n) {
    const unsigned char c = p[0];
    std::size_t len;
    unsigned lowest = 0x80, highest = 0xBF; // the range of the second byte
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        len = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        len = 3, lowest = c == 0xE0 ? 0xA0 : 0x80, highest = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4)
        len = 4, lowest = c == 0xF0 ? 0x90 : 0x80, highest = c == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    if (n < len || p[1] < lowest || p[1] > highest)
        return 0;
    for (std::size_t i = 2; i < len; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return len;
}

namespace {
#ifdef _WIN32
bool ConvertOne(const char* p, std::size_t n, std::string& out) {
    wchar_t w[2];
    const int k = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, p, static_cast<int>(n), w, 2);
    if (k <= 0)
        return false;
    char b[4];
    BOOL missing = FALSE;
    // No best fit: a character without a form of its own is missing, not a look-alike.
    const int m = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, w, k, b, sizeof b, "?", &missing);
    if (m <= 0 || missing)
        return false;
    out.append(b, m);
    return true;
}
#else
bool Run(iconv_t cd, const char* p, std::size_t n, char* buf, std::size_t size, std::size_t& got) {
    char in[4];
    std::memcpy(in, p, n);
    char* ip = in;
    char* op = buf;
    std::size_t il = n, ol = size;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || il != 0)
        return false;
    got = size - ol;
    return true;
}

bool ConvertOne(const char* p, std::size_t n, std::string& out) {
    // CP932, not SHIFT_JIS: the two map －, ～ and ‖ differently.
    static iconv_t to = iconv_open("CP932", "UTF-8");
    static iconv_t back = iconv_open("UTF-8", "CP932");
    if (to == reinterpret_cast<iconv_t>(-1) || back == reinterpret_cast<iconv_t>(-1))
        return false;
    char b[8], u[8];
    std::size_t m = 0, k = 0;
    // glibc also takes look-alikes one way (〜 to ～): only a form that reads back counts, as
    // Windows without best fit.
    if (!Run(to, p, n, b, sizeof b, m) || !Run(back, b, m, u, sizeof u, k) || k != n ||
        std::memcmp(u, p, n) != 0)
        return false;
    out.append(b, m);
    return true;
}
#endif
} // namespace

bool Utf8ToCp932(const char* utf8, std::size_t size, std::string& cp932) {
    cp932.clear();
    cp932.reserve(size);
    bool whole = true;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    for (std::size_t i = 0; i < size;) {
        const std::size_t len = Utf8CharLength(p + i, size - i);
        if (len == 1) {
            cp932 += utf8[i];
        } else if (len == 0 || !ConvertOne(utf8 + i, len, cp932)) {
            cp932 += '?';
            whole = false;
        }
        i += len ? len : 1;
    }
    return whole;
}

bool Cp932Decodes(const char* bytes, std::size_t size) {
    if (size == 0)
        return true;
#ifdef _WIN32
    // Checked in pieces that an int counts, each ending where a character ends.
    while (size > 0) {
        std::size_t piece = 0;
        while (piece < size && piece < 0x10000000)
            piece +=
                IsLeadByte(static_cast<unsigned char>(bytes[piece])) && piece + 1 < size ? 2 : 1;
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(piece), nullptr,
                                0) <= 0)
            return false;
        bytes += piece;
        size -= piece;
    }
    return true;
#else
    static iconv_t from = iconv_open("UTF-8", "CP932");
    if (from == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv(from, nullptr, nullptr, nullptr, nullptr);
    char* ip = const_cast<char*>(bytes);
    std::size_t il = size;
    while (il > 0) {
        char buf[4096];
        char* op = buf;
        std::size_t ol = sizeof buf;
        if (iconv(from, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) && errno != E2BIG)
            return false;
    }
    return true;
#endif
}

namespace {
// One character of the code page to UTF-8; false when it is not a valid character.
bool ToUtf8One(const char* p, std::size_t n, std::string& out, bool systemCodePage) {
#ifdef _WIN32
    wchar_t w[2];
    int k = MultiByteToWideChar(systemCodePage ? CP_ACP : 932, MB_ERR_INVALID_CHARS, p,
                                static_cast<int>(n), w, 2);
    // Windows passes the unassigned byte 0x80 through as U+0080; it is no character, as the
    // native conversion says.
    if (k <= 0 || (k == 1 && w[0] == 0x80))
        return false;
    char u[8];
    int m = WideCharToMultiByte(CP_UTF8, 0, w, k, u, sizeof u, nullptr, nullptr);
    if (m <= 0)
        return false;
    out.append(u, m);
    return true;
#else
    (void)systemCodePage;
    // CP932, not SHIFT_JIS: the two map －, ～ and ‖ differently.
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char buf[8];
    std::size_t got = 0;
    if (!Run(cd, p, n, buf, sizeof buf, got))
        return false;
    out.append(buf, got);
    return true;
#endif
}

std::string ToUtf8(const std::string& bytes, bool systemCodePage) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t n = IsLeadByte(c) && i + 1 < bytes.size() ? 2 : 1;
        if (ToUtf8One(bytes.data() + i, n, out, systemCodePage)) {
            i += n;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
            ++i;
        }
    }
    return out;
}
} // namespace

std::string Cp932ToUtf8(const std::string& bytes) {
    return ToUtf8(bytes, false);
}

std::string SystemToUtf8(const std::string& bytes) {
#ifdef _WIN32
    return ToUtf8(bytes, true);
#else
    return bytes; // the locale's bytes, UTF-8 on any current system
#endif
}
