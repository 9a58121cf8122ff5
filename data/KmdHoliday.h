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
    bool IsHoliday(unsigned month, unsigned day) const;

    std::uint32_t GetMask(unsigned month) const {
        return month >= 1 && month <= 12 ? dayMasks[month - 1] : 0;
    }

private:
    std::uint32_t dayMasks[12]; // bit d - 1 of dayMasks[m - 1]: day d of month m
};
