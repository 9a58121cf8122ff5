// The data file object: the ordered entry list, the holiday table its holiday entries fill,
// the state of the matching iteration, and the format version.
#pragma once

#include "calendar/KmdHoliday.h"
#include "data/KmbLayout.h"
#include "data/KmdDate.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

// Why the last Append, Read or ImportText added nothing.
enum LoadFailure {
    LOAD_OK,
    LOAD_MISSING,       // no file under that path
    LOAD_NOT_REGULAR,   // a folder, a device, a pipe: never read
    LOAD_UNREADABLE,    // refused by the system, or a read failed
    LOAD_NOT_DATA_FILE, // header too short or of another version
    LOAD_TOO_LARGE,     // more records than this process can hold
};

class CKmdDataFile {
public:
    CKmdDataFile();
    virtual ~CKmdDataFile();

    void Clear();

    // Binary data file: Append adds the file's records after those held (plug-in),
    // Read replaces them (editor). False, with nothing changed, when the file is not a
    // regular file, cannot be read, its header is short or of another version, or its records
    // do not fit in memory; GetLoadFailure tells which.
    bool Append(const char* path);
    bool Read(const char* path);
    // Writes beside the target and replaces it only when every byte was written.
    bool Write(const char* path) const;
    // Legacy text file. False only when the file cannot be opened.
    bool ImportText(const char* path);
    // After ImportText: the 1-based line at which the import stopped, 0 when it read to the end.
    unsigned GetImportStopLine() const { return importStopLine; }
    // The bytes of that line read before the import stopped: 0 when the whole line was left
    // out; more when a line longer than the reader's 1023 bytes stopped in a later piece, after
    // its first piece may have given an entry.
    unsigned GetImportStopOffset() const { return importStopOffset; }
    LoadFailure GetLoadFailure() const { return loadFailure; }

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
    unsigned importStopOffset = 0;
    LoadFailure loadFailure = LOAD_OK;
};

// The editor's backup step before a save: one generation, "name." + "bak". The copy is built
// beside the backup and replaces the old backup only once complete.
// True: the save may go ahead (the backup is whole, or there was no file to keep, or the
// target is named like its own backup and can have none).
// False: no backup could be made (the copy failed, the target or the backup name is a folder
// or a device, a null or empty path). The caller must then NOT write the target: the file
// and the old backup stay as they were, and the save reports its failure.
bool MakeBackup(const char* path);
// The backup's path for a target: up to the last "." of the file-name part, then "bak".
std::string BackupName(const char* path);
