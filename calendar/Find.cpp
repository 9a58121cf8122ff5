// The matching iteration over a data file's entries, in held order, for one date.
#include "data/KmdDataFile.h"

bool CKmdDataFile::FindFirst(const SYSTEMTIME& date) {
    // A copy of the table, as each step of the iteration takes its own.
    const CKmdHoliday table(holidays);
    findIndex = 0;
    const std::size_t count = entries.size();
    std::size_t i = 0;
    while (i < count && !entries[i].Matches(date, table))
        ++i;
    if (i == count) {
        findActive = false;
        return false;
    }
    findIndex = static_cast<std::uint32_t>(i);
    findDate = date;
    findActive = true;
    return true;
}

bool CKmdDataFile::FindNext(CKmdDate& out) {
    if (!findActive)
        return false;
    // The list may have been edited since FindFirst: a position past its end ends the walk.
    if (findIndex >= entries.size()) {
        findActive = false;
        return false;
    }
    out = entries[findIndex];
    const CKmdHoliday table(holidays);
    const std::size_t count = entries.size();
    std::size_t i = static_cast<std::size_t>(findIndex) + 1;
    while (i < count && !entries[i].Matches(findDate, table))
        ++i;
    if (i == count) {
        findActive = false;
        return false;
    }
    findIndex = static_cast<std::uint32_t>(i);
    return true;
}
