#include "data/KmdEntryFile.h"

CKmdEntryFile::CKmdEntryFile() {
    Clear();
}

CKmdEntryFile::~CKmdEntryFile() = default;

void CKmdEntryFile::Clear() {
    entries.clear();
    version = FILE_VERSION;
}

void CKmdEntryFile::OnEntriesAdded(unsigned) {}

bool CKmdEntryFile::GetAt(unsigned index, CKmdDate& out) const {
    if (index >= entries.size())
        return false;
    out = entries[index];
    return true;
}

bool CKmdEntryFile::SetAt(unsigned index, const CKmdDate& entry) {
    if (index >= entries.size())
        return false;
    entries[index] = entry;
    return true;
}

bool CKmdEntryFile::Add(const CKmdDate& entry) {
    entries.push_back(entry);
    return true;
}

bool CKmdEntryFile::InsertAt(unsigned index, const CKmdDate& entry) {
    // An index equal to the count is refused: appending goes through Add.
    if (index >= entries.size())
        return false;
    entries.insert(entries.begin() + index, entry);
    return true;
}

bool CKmdEntryFile::RemoveAt(unsigned index) {
    if (index >= entries.size())
        return false;
    entries.erase(entries.begin() + index);
    return true;
}

void CKmdEntryFile::RemoveAll() {
    entries.clear();
}
