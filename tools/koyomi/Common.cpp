#include "tools/koyomi/Common.h"

#include "platform/Files.h"
#include "platform/Platform.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <io.h>
#else
#include <iconv.h>
#endif

bool LoadLikeEditor(CKmdEntryFile& file, const std::string& path, bool* imported) {
    return OpenDataFile(file, path.c_str(), imported);
}

void WarnCut(const CutFile& cut) {
    Tell("koyomi: warning: " + SystemToUtf8(cut.path) + ": read " +
         std::to_string(cut.records.read) + " of the " + std::to_string(cut.records.promised) +
         " records its header promises; the file may be damaged");
}

void WarnSkipped(const SkippedFile& s) {
    std::string warning = "koyomi: warning: " + SystemToUtf8(s.path) + ": " +
                          LoadFailureText(s.why) + "; it adds nothing";
    // A command typed after an option, or mistyped, is taken for a file name.
    if (s.why == LOAD_MISSING)
        if (const char* command = NearCommand(s.path))
            warning += std::string(" (did you mean \"koyomi ") + command + "\"?)";
    Tell(warning);
}

const char* LoadFailureText(LoadFailure why) {
    switch (why) {
    case LOAD_MISSING:
        return "no such file";
    case LOAD_NOT_REGULAR:
        return "not a regular file";
    case LOAD_NOT_DATA_FILE:
        return "not a data file of this version";
    case LOAD_PATH_TOO_LONG:
        return "longer than 259 bytes";
    case LOAD_TOO_LARGE:
        return "too large to load";
    default:
        return "cannot be read";
    }
}

namespace {
// One character of the code page to UTF-8; false when it is not a valid character.
bool ConvertOne(const char* p, std::size_t n, std::string& out, bool systemCodePage) {
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
        if (ConvertOne(bytes.data() + i, n, out, systemCodePage)) {
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

int LastSystemError() {
#ifdef _WIN32
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

void ClearSystemError() {
#ifdef _WIN32
    SetLastError(0);
#else
    errno = 0;
#endif
}

std::string SystemErrorText(int code) {
    if (code == 0)
        return std::string();
#ifdef _WIN32
    switch (code) {
    case ERROR_ACCESS_DENIED:
        return "access denied";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "no such folder";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "in use by another program";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "disk full";
    case ERROR_WRITE_PROTECT:
        return "write-protected";
    case ERROR_INVALID_NAME:
        return "not a valid file name";
    case ERROR_FILENAME_EXCED_RANGE:
        return "name too long";
    }
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string s = n && text ? SystemToUtf8(std::string(text, n)) : std::string();
    if (text)
        LocalFree(text);
    while (!s.empty() &&
           (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.'))
        s.pop_back();
    return s.empty() ? "system error " + std::to_string(code) : s;
#else
    switch (code) {
    case EACCES:
    case EPERM:
        return "access denied";
    case ENOENT:
    case ENOTDIR:
        return "no such folder";
    case ENOSPC:
        return "disk full";
    case EROFS:
        return "write-protected";
    case EFBIG:
        return "file too large";
    case ENAMETOOLONG:
        return "name too long";
    }
    return std::strerror(code);
#endif
}

namespace {
// ": why" for a step on path that failed with the system's code; a folder or device in the
// way gives no code of its own.
std::string Cause(int code, const std::string& path) {
    std::string why = SystemErrorText(code);
    if (why.empty() && KindOfFile(path.c_str()) == FILE_OTHER)
        why = "not a regular file";
    return why.empty() ? why : ": " + why;
}
} // namespace

bool SaveWithBackup(const std::string& path, const std::string& who,
                    const std::function<bool(const char*)>& write) {
    if (KindOfFile(path.c_str()) == FILE_OTHER) {
        Tell(who + "cannot write " + SystemToUtf8(path) + ": not a regular file");
        return false;
    }
    ClearSystemError();
    if (!MakeBackup(path.c_str())) {
        const std::string backup = BackupName(path.c_str());
        Tell(who + "cannot make the backup " + SystemToUtf8(backup) +
             Cause(LastSystemError(), backup) + "; " + SystemToUtf8(path) + " was not written");
        return false;
    }
    ClearSystemError();
    if (!write(path.c_str())) {
        Tell(who + "cannot write " + SystemToUtf8(path) + Cause(LastSystemError(), path));
        return false;
    }
    return true;
}
