#include "tools/koyomihost/ChipSource.h"

#include "platform/PutInPlace.h"
#include "tools/koyomihost/ChipCheck.h"

#include <utility>

bool CChipSource::Read(std::string& error) {
    ChipFileText read;
    OpenFailure why = OPEN_OK;
    if (!ReadChipFile(path.c_str(), read, why)) {
        const MessageId reason = why == OPEN_MISSING       ? MSG_NO_SUCH_FILE
                                 : why == OPEN_NOT_REGULAR ? MSG_NOT_REGULAR
                                 : why == OPEN_NO_MEMORY   ? MSG_OUT_OF_MEMORY
                                                           : MSG_ACCESS_DENIED;
        error = Say(MSG_CHIP_UNREADABLE, {path, Say(reason)});
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
