#include "tools/koyomi/Save.h"

#include "data/KmdEntryFile.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/PutInPlace.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/SystemError.h"

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
    SetLastSystemError(0);
    if (!MakeBackup(path.c_str())) {
        const std::string backup = BackupName(path.c_str());
        const std::string why = Cause(LastSystemError(), backup);
        Tell(who + Msg(why.empty() ? MSG_CANNOT_BACK_UP : MSG_CANNOT_BACK_UP_BECAUSE,
                       {SystemToUtf8(backup), SystemToUtf8(path), why}));
        return false;
    }
    SetLastSystemError(0);
    if (!write(path.c_str())) {
        Tell(who + CannotWrite(path, Cause(LastSystemError(), path)));
        return false;
    }
    return true;
}
