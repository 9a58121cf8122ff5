#include "tools/koyomi/Output.h"

#include "platform/CodePage.h"
#include "platform/Platform.h"

#include <cstring>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {
#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return wide;
}

// A console shows characters, whatever its code page: they go to it as UTF-16.
bool ToConsole(std::FILE* stream, const std::string& utf8) {
    HANDLE console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode))
        return false;
    const std::wstring wide = Wide(utf8);
    std::fflush(stream);
    DWORD written;
    return wide.empty() ||
           WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

// For a file or pipe: CR LF line ends, in the ANSI code page unless UTF-8 is asked for; a
// character the code page lacks becomes "?".
std::string ForFile(const std::string& utf8, bool keepUtf8) {
    std::string crlf;
    crlf.reserve(utf8.size() + utf8.size() / 16);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\n' && (i == 0 || utf8[i - 1] != '\r'))
            crlf += '\r';
        crlf += utf8[i];
    }
    if (keepUtf8)
        return crlf;
    const std::wstring wide = Wide(crlf);
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n,
                            nullptr, nullptr);
    return out;
}
#endif
} // namespace

bool CTextOut::Text(const std::string& utf8Text) {
#ifdef _WIN32
    if (ToConsole(stream, utf8Text))
        return true;
    return Bytes(ForFile(utf8Text, utf8));
#else
    return Bytes(utf8Text);
#endif
}

bool CTextOut::Bytes(const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

CTextOut& StdOut() {
    static CTextOut out(stdout);
    return out;
}

CTextOut& StdErr() {
    static CTextOut err(stderr);
    return err;
}

int TakeOutputOptions(int argc, char** argv) {
#ifdef _WIN32
    // The writers put in every CR themselves.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    int kept = 1;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        optionsEnded = optionsEnded || std::strcmp(argv[i], "--") == 0;
        if (!optionsEnded && std::strcmp(argv[i], "--utf8") == 0) {
            StdOut().SetUtf8(true);
            StdErr().SetUtf8(true);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argv[kept] = nullptr;
    return kept;
}

std::string Cp932Lines(const std::string& cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    std::string out;
    out.reserve(utf8.size() + 1);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue; // the LF that follows becomes the newline
        out += utf8[i];
    }
    if (out.empty() || out.back() != '\n')
        out += '\n';
    return out;
}

void Tell(const std::string& utf8Text) {
    StdErr().Text(utf8Text + "\n");
}
