#include "data/KmdHoliday.h"

#include <cstring>

CKmdHoliday::CKmdHoliday() {
    Clear();
}

CKmdHoliday::CKmdHoliday(const CKmdHoliday& other) {
    std::memcpy(dayMasks, other.dayMasks, sizeof dayMasks);
}

CKmdHoliday& CKmdHoliday::operator=(const CKmdHoliday& other) {
    if (this != &other)
        std::memcpy(dayMasks, other.dayMasks, sizeof dayMasks);
    return *this;
}

CKmdHoliday::~CKmdHoliday() = default;

bool CKmdHoliday::operator==(const CKmdHoliday& other) const {
    return std::memcmp(dayMasks, other.dayMasks, sizeof dayMasks) == 0;
}

void CKmdHoliday::Clear() {
    std::memset(dayMasks, 0, sizeof dayMasks);
}

bool CKmdHoliday::Mark(unsigned month, unsigned day, bool on) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    const std::uint32_t bit = 1u << (day - 1);
    dayMasks[month - 1] = on ? (dayMasks[month - 1] | bit) : (dayMasks[month - 1] & ~bit);
    return true;
}
