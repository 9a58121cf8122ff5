#include "tools/koyomi/SystemError.h"

#include "platform/CodePage.h"
#include "platform/Platform.h"
#include "tools/catalog/Messages.h"

#include <cerrno>
#include <cstring>

std::string SystemErrorText(int code) {
    if (code == 0)
        return std::string();
#ifdef _WIN32
    switch (code) {
    case ERROR_ACCESS_DENIED:
        return Msg(MSG_ACCESS_DENIED);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return Msg(MSG_NO_SUCH_FOLDER);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Msg(MSG_IN_USE);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Msg(MSG_DISK_FULL);
    case ERROR_WRITE_PROTECT:
        return Msg(MSG_WRITE_PROTECTED);
    case ERROR_INVALID_NAME:
        return Msg(MSG_INVALID_NAME);
    case ERROR_FILENAME_EXCED_RANGE:
        return Msg(MSG_NAME_TOO_LONG);
    }
    // The system's own words, in the system's language.
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
    return s.empty() ? Msg(MSG_SYSTEM_ERROR, {std::to_string(code)}) : s;
#else
    switch (code) {
    case EACCES:
    case EPERM:
        return Msg(MSG_ACCESS_DENIED);
    case ENOENT:
    case ENOTDIR:
        return Msg(MSG_NO_SUCH_FOLDER);
    case ENOSPC:
        return Msg(MSG_DISK_FULL);
    case EROFS:
        return Msg(MSG_WRITE_PROTECTED);
    case EFBIG:
        return Msg(MSG_FILE_TOO_LARGE);
    case ENAMETOOLONG:
        return Msg(MSG_NAME_TOO_LONG);
    }
    return std::strerror(code);
#endif
}
