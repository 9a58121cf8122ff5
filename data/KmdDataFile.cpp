#include "data/KmdDataFile.h"

#include <cstring>

CKmdDataFile::CKmdDataFile() {
    Clear();
}

CKmdDataFile::~CKmdDataFile() = default;

void CKmdDataFile::Clear() {
    entries.clear();
    holidays.Clear();
    findIndex = 0;
    std::memset(&findDate, 0, sizeof findDate);
    findActive = false;
    version = FILE_VERSION;
}

bool CKmdDataFile::GetAt(unsigned index, CKmdDate& out) const {
    if (index >= entries.size())
        return false;
    out = entries[index];
    return true;
}

bool CKmdDataFile::SetAt(unsigned index, const CKmdDate& entry) {
    if (index >= entries.size())
        return false;
    entries[index] = entry;
    return true;
}

bool CKmdDataFile::Add(const CKmdDate& entry) {
    entries.push_back(entry);
    return true;
}

bool CKmdDataFile::InsertAt(unsigned index, const CKmdDate& entry) {
    // An index equal to the count is refused: appending goes through Add.
    if (index >= entries.size())
        return false;
    entries.insert(entries.begin() + index, entry);
    return true;
}

bool CKmdDataFile::RemoveAt(unsigned index) {
    if (index >= entries.size())
        return false;
    entries.erase(entries.begin() + index);
    return true;
}

void CKmdDataFile::RemoveAll() {
    entries.clear();
}
