// The data file object: the entry list with its formats (data/KmdEntryFile.h), the holiday
// table its holiday entries fill on every load, and the matching iteration over it.
#pragma once

#include "data/KmdEntryFile.h"
#include "data/KmdHoliday.h"
#include "platform/Platform.h"

#include <cstdint>

class CKmdDataFile : public CKmdEntryFile {
public:
    CKmdDataFile();
    ~CKmdDataFile() override;

    void Clear() override;

    // Marks the holidays of entries firstIndex ... last for the current year of the one clock.
    void MarkHolidays(unsigned firstIndex);
    const CKmdHoliday& GetHolidays() const { return holidays; }

    // The entries that apply on a date, in held order: FindFirst, then FindNext until it
    // returns false; the entry copied by that last call is still one of them.
    bool FindFirst(const SYSTEMTIME& date);
    bool FindNext(CKmdDate& out);

protected:
    void OnEntriesAdded(unsigned firstIndex) override;

private:
    // The first entry from `from` on that applies on the date, or the count.
    std::size_t NextMatch(std::size_t from, const SYSTEMTIME& date) const;

    CKmdHoliday holidays;
    std::uint32_t findIndex;
    SYSTEMTIME findDate;
    bool findActive;
};
