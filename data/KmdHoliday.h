// The holiday table: one bit per month and day, without a year.
#pragma once

#include <cstdint>

class CKmdHoliday {
public:
    CKmdHoliday();
    CKmdHoliday(const CKmdHoliday& other);
    CKmdHoliday& operator=(const CKmdHoliday& other);
    virtual ~CKmdHoliday();

    void Clear();
    // False, with nothing changed, unless month is 1-12 and day 1-31.
    bool Mark(unsigned month, unsigned day, bool on);
    // Inline: moves ask it on every step.
    bool IsHoliday(unsigned month, unsigned day) const {
        return day >= 1 && day <= 31 && ((GetMask(month) >> (day - 1)) & 1u);
    }

    bool operator==(const CKmdHoliday& other) const;
    bool operator!=(const CKmdHoliday& other) const { return !(*this == other); }

    std::uint32_t GetMask(unsigned month) const {
        return month >= 1 && month <= 12 ? dayMasks[month - 1] : 0;
    }

private:
    std::uint32_t dayMasks[12]; // bit d - 1 of dayMasks[m - 1]: day d of month m
};
