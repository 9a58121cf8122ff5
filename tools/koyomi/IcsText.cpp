#include "tools/koyomi/IcsText.h"

#include <cstdio>

std::string IcsEscape(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size() + 8);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            out += "\\n";
        } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\\\x%02X", c); // an escaped backslash, then xNN
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void IcsAppendLine(std::string& out, const std::string& line) {
    std::size_t start = 0;
    std::size_t room = 75; // the first line; continuations spend one octet on their space
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut; // back to the first byte of the character that would be split
        if (cut == start)
            cut = start + room; // no character start at all: not UTF-8, cut anywhere
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
        room = 74;
    }
    out.append(line, start, std::string::npos);
    out += "\r\n";
}

std::uint64_t IcsHash(const char* bytes, std::size_t n, std::uint64_t hash) {
    for (std::size_t i = 0; i < n; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string IcsUid(unsigned year, unsigned month, unsigned day, std::uint64_t entryHash) {
    char uid[64];
    std::snprintf(uid, sizeof uid, "%04u%02u%02u-%016llx@koyomiru", year, month, day,
                  static_cast<unsigned long long>(entryHash));
    return uid;
}
