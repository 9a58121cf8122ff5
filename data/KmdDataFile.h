// The data file object: the ordered entry list, the holiday table its holiday entries fill,
// the state of the matching iteration, and the format version.
#pragma once

#include "calendar/KmdHoliday.h"
#include "data/KmdDate.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t FILE_VERSION = 0x20000;

class CKmdDataFile {
public:
    CKmdDataFile();
    virtual ~CKmdDataFile();

    void Clear();

    // Binary data file: Append adds the file's records after those held (plug-in),
    // Read replaces them (editor). False, with nothing changed, when the file cannot be
    // opened or its header is short or of another version.
    bool Append(const char* path);
    bool Read(const char* path);
    // Writes beside the target and replaces it only when every byte was written.
    bool Write(const char* path) const;
    // Legacy text file. False only when the file cannot be opened.
    bool ImportText(const char* path);
    // After ImportText: the 1-based line at which the import stopped, 0 when it read to the end.
    unsigned GetImportStopLine() const { return importStopLine; }

    void MarkHolidays(unsigned firstIndex);
    const CKmdHoliday& GetHolidays() const { return holidays; }

    bool FindFirst(const SYSTEMTIME& date);
    bool FindNext(CKmdDate& out);

    int GetCount() const { return static_cast<int>(entries.size()); }
    bool GetAt(unsigned index, CKmdDate& out) const;
    bool SetAt(unsigned index, const CKmdDate& entry);
    bool Add(const CKmdDate& entry);
    bool InsertAt(unsigned index, const CKmdDate& entry);
    bool RemoveAt(unsigned index);
    void RemoveAll();

    std::uint32_t GetVersion() const { return version; }

private:
    bool ReadRecords(const char* path, std::vector<CKmdDate>& out);

    std::vector<CKmdDate> entries;
    CKmdHoliday holidays;
    std::uint32_t findIndex;
    SYSTEMTIME findDate;
    bool findActive;
    std::uint32_t version;
    unsigned importStopLine = 0;
};

// The editor's backup step before a save: one generation, "name." + "bak".
void MakeBackup(const char* path);
// The backup's path for a target: up to the last "." of the file-name part, then "bak".
std::string BackupName(const char* path);
