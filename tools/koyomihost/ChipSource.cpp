#include "tools/koyomihost/ChipSource.h"

#include "platform/CodePage.h"
#include "platform/PutInPlace.h"
#include "tools/koyomihost/ChipCheck.h"

#include <utility>

bool CChipSource::Read(std::string& error) {
    ChipFileText read;
    OpenFailure why = OPEN_OK;
    if (!ReadChipFile(path.c_str(), read, why)) {
        error = HostBytes(Msg(MSG_CHIP_UNREADABLE, {Cp932ToUtf8(path), OpenFailureText(why)}));
        return false;
    }
    file = std::move(read);
    return true;
}

bool CChipSource::Write(const std::string& text, std::string& why) {
    if (!file.whole) {
        why = Say(MSG_HOST_WOULD_LOSE);
        return false;
    }
    const std::string bytes = ChipFileBytes(text, file.encoding);
    if (!PutInPlace(path.c_str(), bytes.data(), bytes.size())) {
        why = Say(MSG_CANNOT_WRITE, {path});
        return false;
    }
    file.text = text;
    return true;
}
