// The on-disk record of data/KmbLayout.h.
#include "data/KmdDate.h"

#include <cstring>
#include <string>

void CKmdDate::ReadFrom(const KmbRecordBytes& record) {
    unsigned char head[RULE_SIZE];
    HeadAt(record.bytes, record.available, head);
    HeadFrom(head);
    std::memset(name, 0, sizeof name);
    std::memcpy(name, record.name, KeptNameLength(record));
}

void CKmdDate::WriteTo(std::string& out) const {
    // A pasted image may hold a name field without NUL: never look past the field.
    const std::size_t length = strnlen(name, KMD_NAME_MAX);
    unsigned char head[RECORD_HEAD_SIZE];
    HeadTo(head);
    PutLe16(head + RECORD_LENGTH_OFFSET, static_cast<std::uint16_t>(length));
    out.append(reinterpret_cast<const char*>(head), sizeof head);
    out.append(name, length);
}
