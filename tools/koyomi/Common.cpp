#include "tools/koyomi/Common.h"

#include "platform/Platform.h"

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <iconv.h>
#endif

bool LoadLikeEditor(CKmdDataFile& file, const std::string& path, bool* imported) {
    return OpenDataFile(file, path.c_str(), imported);
}

void WarnIfCut(const std::string& path, unsigned long promised, unsigned long whole,
               unsigned long read) {
    if (whole < promised)
        std::fprintf(stderr,
                     "koyomi: warning: %s: read %lu of the %lu records its header promises; the "
                     "file may be damaged\n",
                     path.c_str(), read, promised);
}

namespace {
// One character of code page 932 to UTF-8; false when it is not a valid character.
bool ConvertOne(const char* p, std::size_t n, std::string& out) {
#ifdef _WIN32
    wchar_t w[2];
    int k = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, p, static_cast<int>(n), w, 2);
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
    // CP932, not SHIFT_JIS: the two map －, ～ and ‖ differently.
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    char in[2];
    std::memcpy(in, p, n);
    char buf[8];
    char* ip = in;
    char* op = buf;
    std::size_t il = n, ol = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == static_cast<std::size_t>(-1) || il != 0)
        return false;
    out.append(buf, op - buf);
    return true;
#endif
}
} // namespace

std::string Cp932ToUtf8(const std::string& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t n = IsLeadByte(c) && i + 1 < bytes.size() ? 2 : 1;
        if (ConvertOne(bytes.data() + i, n, out)) {
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

void PutUtf8(std::FILE* out, const std::string& utf8) {
#ifdef _WIN32
    // A Windows console shows bytes in its own code page (932 in Japan), so UTF-8 would come
    // out garbled: the text goes to it as UTF-16. A file or pipe gets the UTF-8 bytes.
    HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(out)));
    DWORD mode;
    if (console != INVALID_HANDLE_VALUE && GetConsoleMode(console, &mode)) {
        const int n =
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        if (n > 0) {
            std::wstring wide(static_cast<std::size_t>(n), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                n);
            std::fflush(out);
            DWORD written;
            if (WriteConsoleW(console, wide.data(), static_cast<DWORD>(n), &written, nullptr))
                return;
        }
    }
#endif
    std::fwrite(utf8.data(), 1, utf8.size(), out);
}

void PutText(std::FILE* out, const std::string& cp932) {
#ifdef _WIN32
    std::fwrite(cp932.data(), 1, cp932.size(), out);
#else
    const std::string u = Cp932ToUtf8(cp932);
    std::fwrite(u.data(), 1, u.size(), out);
#endif
}
