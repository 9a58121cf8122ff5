#include "calendar/KmdDataFile.h"

#include "calendar/Rules.h"
#include "platform/Clock.h"

#include <cstring>

CKmdDataFile::CKmdDataFile() {
    Clear();
}

CKmdDataFile::~CKmdDataFile() = default;

void CKmdDataFile::Clear() {
    CKmdEntryFile::Clear();
    holidays.Clear();
    findIndex = 0;
    std::memset(&findDate, 0, sizeof findDate);
    findActive = false;
}

void CKmdDataFile::OnEntriesAdded(unsigned firstIndex) {
    MarkHolidays(firstIndex);
}

void CKmdDataFile::MarkHolidays(unsigned firstIndex) {
    SYSTEMTIME now;
    ReadLocalTime(&now);
    for (std::size_t i = firstIndex; i < entries.size(); ++i)
        if (entries[i].GetFlags().IsHoliday())
            MarkRuleHolidays(entries[i].GetRule(), now.wYear, holidays);
}

std::size_t CKmdDataFile::NextMatch(std::size_t from, const SYSTEMTIME& date) const {
    std::size_t i = from;
    while (i < entries.size() && !Matches(entries[i].GetRule(), date, holidays))
        ++i;
    return i;
}

bool CKmdDataFile::FindFirst(const SYSTEMTIME& date) {
    const std::size_t i = NextMatch(0, date);
    findIndex = 0;
    if (i == entries.size()) {
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
    const std::size_t i = NextMatch(static_cast<std::size_t>(findIndex) + 1, findDate);
    if (i == entries.size()) {
        findActive = false;
        return false;
    }
    findIndex = static_cast<std::uint32_t>(i);
    return true;
}
