#include "data/KmdDate.h"

#include <cstring>

CKmdDate::CKmdDate() {
    Clear();
}

CKmdDate::CKmdDate(const CKmdDate& other)
    : months(other.months), startDay(other.startDay), endDay(other.endDay), weekday(other.weekday),
      flags(other.flags) {
    std::memcpy(name, other.name, sizeof name);
}

CKmdDate& CKmdDate::operator=(const CKmdDate& other) {
    if (this != &other) {
        months = other.months;
        startDay = other.startDay;
        endDay = other.endDay;
        weekday = other.weekday;
        flags = other.flags;
        std::memcpy(name, other.name, sizeof name);
    }
    return *this;
}

CKmdDate::~CKmdDate() = default;

void CKmdDate::Clear() {
    months = 0;
    startDay = 0;
    endDay = 0;
    weekday = 0;
    flags.Clear();
    std::memset(name, 0, sizeof name);
}

bool CKmdDate::SetStartMonth(unsigned m) {
    if (m > 12)
        return false;
    months = static_cast<std::uint8_t>((m << 4) | (months & 0x0F));
    return true;
}

bool CKmdDate::SetEndMonth(unsigned m) {
    if (m > 12)
        return false;
    months = static_cast<std::uint8_t>((months & 0xF0) | m);
    return true;
}

bool CKmdDate::SetStartDay(unsigned d) {
    if (d > 31)
        return false;
    startDay = static_cast<std::uint8_t>(d);
    return true;
}

bool CKmdDate::SetEndDay(unsigned d) {
    if (d > 31)
        return false;
    endDay = static_cast<std::uint8_t>(d);
    return true;
}

bool CKmdDate::SetWeekday(unsigned w) {
    if (w > 7)
        return false;
    weekday = static_cast<std::uint8_t>((weekday & 0xF0) | w);
    return true;
}

bool CKmdDate::SetName(const char* text) {
    if (!text)
        return false;
    std::size_t len = std::strlen(text);
    if (len > KMD_NAME_MAX)
        len = KMD_NAME_MAX;
    std::memset(name, 0, sizeof name);
    std::memcpy(name, text, len);
    if (len > 0 && name[len - 1] == '\n')
        name[len - 1] = 0;
    return true;
}

bool CKmdDate::GetName(char* out) const {
    if (!out)
        return false;
    std::memcpy(out, name, sizeof name);
    return true;
}

static_assert(PACKED_FLAGS_OFFSET == RECORD_FLAGS_OFFSET, "one head layout");

void CKmdDate::HeadTo(unsigned char head[RULE_SIZE]) const {
    head[0] = months;
    head[1] = startDay;
    head[2] = endDay;
    head[3] = weekday;
    flags.Pack(head + RECORD_FLAGS_OFFSET, CKmdDateFlags::PackedSize());
}

void CKmdDate::HeadFrom(const unsigned char head[RULE_SIZE]) {
    months = head[0];
    startDay = head[1];
    endDay = head[2];
    weekday = head[3];
    flags.Unpack(head + RECORD_FLAGS_OFFSET, CKmdDateFlags::PackedSize());
}

// The packed image of data/KmbLayout.h.
bool CKmdDate::Pack(unsigned char* out, std::size_t size) const {
    if (!out || size < PackedSize())
        return false;
    HeadTo(out);
    std::memcpy(out + PACKED_NAME_OFFSET, name, sizeof name);
    return true;
}

bool CKmdDate::Unpack(const unsigned char* in, std::size_t size) {
    if (!in || size < PackedSize())
        return false;
    HeadFrom(in);
    std::memcpy(name, in + PACKED_NAME_OFFSET, sizeof name);
    return true;
}

KmdRule CKmdDate::GetRule() const {
    unsigned char head[RULE_SIZE];
    HeadTo(head);
    return RuleOfHead(head);
}
