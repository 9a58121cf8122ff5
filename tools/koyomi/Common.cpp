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
#endif

bool LoadLikeEditor(CKmdEntryFile& file, const std::string& path, bool* imported) {
    return OpenDataFile(file, path.c_str(), imported);
}

void WarnCut(const CutFile& cut) {
    Tell("koyomi: " + Msg(MSG_WARNING) +
         Msg(MSG_CUT_SHORT, {SystemToUtf8(cut.path), std::to_string(cut.records.read),
                             std::to_string(cut.records.promised)}));
}

std::string FolderShown(const std::string& folder) {
    const std::string shown = folder.empty() ? CurrentFolder() : folder;
    return shown.empty() ? "." : SystemToUtf8(shown);
}

void WarnSkipped(const SkippedFile& s, const std::string& folder) {
    // Only a chip file's folder makes a line longer; the current folder is where it was looked.
    const bool relative = IsRelativePath(s.path.c_str());
    const std::string in = !relative || (s.why == LOAD_PATH_TOO_LONG && folder.empty())
                               ? std::string()
                               : FolderShown(folder);
    std::string warning =
        "koyomi: " + Msg(MSG_WARNING) + NothingAddedText(SystemToUtf8(s.path), s.why, in);
    // A command typed after an option, or mistyped, is taken for a file name.
    if (s.why == LOAD_MISSING)
        if (const char* command = NearCommand(s.path))
            warning += Msg(MSG_DID_YOU_MEAN, {command});
    Tell(warning);
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

namespace {
// Why a step on path failed, from the system's code; a folder or device in the way gives no
// code of its own. Empty when nothing tells.
std::string Cause(int code, const std::string& path) {
    std::string why = SystemErrorText(code);
    if (why.empty() && KindOfFile(path.c_str()) == FILE_OTHER)
        why = Msg(MSG_NOT_REGULAR);
    return why;
}
} // namespace

std::string CannotWrite(const std::string& path, const std::string& why) {
    return why.empty() ? Msg(MSG_CANNOT_WRITE, {SystemToUtf8(path)})
                       : Msg(MSG_CANNOT_WRITE_BECAUSE, {SystemToUtf8(path), why});
}

bool SaveWithBackup(const std::string& path, const std::string& who,
                    const std::function<bool(const char*)>& write) {
    if (KindOfFile(path.c_str()) == FILE_OTHER) {
        Tell(who + CannotWrite(path, Msg(MSG_NOT_REGULAR)));
        return false;
    }
    ClearSystemError();
    if (!MakeBackup(path.c_str())) {
        const std::string backup = BackupName(path.c_str());
        const std::string why = Cause(LastSystemError(), backup);
        Tell(who + Msg(why.empty() ? MSG_CANNOT_BACK_UP : MSG_CANNOT_BACK_UP_BECAUSE,
                       {SystemToUtf8(backup), SystemToUtf8(path), why}));
        return false;
    }
    ClearSystemError();
    if (!write(path.c_str())) {
        Tell(who + CannotWrite(path, Cause(LastSystemError(), path)));
        return false;
    }
    return true;
}
