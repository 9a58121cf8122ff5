// The entry list of a data file and its formats: the ordered entries, the binary reader and
// writer, the legacy import and the format version. Readers parse bytes already in memory;
// only a thin step reads a file. The holiday table and matching sit a layer up, in
// calendar/KmdDataFile.h, which is told of every load through OnEntriesAdded.
#pragma once

#include "data/KmbLayout.h"
#include "data/KmbRecords.h"
#include "data/KmdDate.h"
#include "platform/FileStamp.h"
#include "platform/Files.h"
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
    LOAD_PATH_TOO_LONG, // a chip line longer than a path may be: no file is opened
};

// The load failure an open failure of the file step means.
LoadFailure LoadFailureOf(OpenFailure why);

// What the last Append, Read or ImportText told, one value for every reader. A load that
// reads replaces it whole; a refused load changes nothing held, so it sets only the reason.
struct LoadReport {
    LoadFailure failure = LOAD_OK; // why the last load added nothing
    // A binary file read: the records its header promised, those read (the last perhaps in
    // part) and those whole. Cut short (records.Cut()): what it held was kept.
    KmbRecordCount records;
    // A legacy import: the 1-based line at which it stopped, 0 when it read to the end; and
    // the bytes of that line read before it stopped: 0 when the whole line was left out, more
    // when a line longer than the reader's 1023 bytes stopped in a later piece, after its
    // first piece may have given an entry.
    unsigned importStopLine = 0;
    unsigned importStopOffset = 0;
};

class CKmdEntryFile {
public:
    CKmdEntryFile();
    virtual ~CKmdEntryFile();

    virtual void Clear();

    // Binary data file: Append adds the file's records after those held (plug-in),
    // Read replaces them (editor). False, with nothing changed, when the file is not a
    // regular file, cannot be read, its header is short or of another version, or its records
    // do not fit in memory; the report's failure tells which.
    bool Append(const char* path);
    bool Read(const char* path);
    // The same over a file's bytes in memory.
    bool AppendBytes(const unsigned char* bytes, std::size_t size);
    bool ReadBytes(const unsigned char* bytes, std::size_t size);
    // Puts the file in place whole (platform/PutInPlace.h): the old target stays unless every
    // byte reached the disk. `placed`, when given, gets the stamp of the file written.
    bool Write(const char* path, CFileStamp* placed = nullptr) const;
    // The bytes Write stores. False when memory ran out.
    bool WriteBytes(std::string& out) const;
    // Legacy text file. False only when the file cannot be opened.
    bool ImportText(const char* path);
    bool ImportTextBytes(const unsigned char* bytes, std::size_t size);
    const LoadReport& GetLoadReport() const { return report; }

    int GetCount() const { return static_cast<int>(entries.size()); }
    bool GetAt(unsigned index, CKmdDate& out) const;
    bool SetAt(unsigned index, const CKmdDate& entry);
    bool Add(const CKmdDate& entry);
    bool InsertAt(unsigned index, const CKmdDate& entry);
    bool RemoveAt(unsigned index);
    void RemoveAll();

    std::uint32_t GetVersion() const { return version; }

protected:
    // Entries firstIndex ... last were just loaded (by Append, Read or ImportText).
    virtual void OnEntriesAdded(unsigned firstIndex);

    std::vector<CKmdDate> entries;

private:
    bool ReadRecords(const unsigned char* bytes, std::size_t size, std::vector<CKmdDate>& out,
                     KmbRecordCount& count);
    bool LoadFile(const char* path, bool append);
    bool LoadBytes(const unsigned char* bytes, std::size_t size, bool append);
    // A refused load: false, with only the report's reason changed.
    bool Refuse(LoadFailure why) {
        report.failure = why;
        return false;
    }

    std::uint32_t version;
    LoadReport report;
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

// Opens a data file by its name, as the editor does: a ".kmd" file name (any case) is a legacy
// text file and is imported, anything else is read as a binary data file. The extension is
// taken from the file-name part, so a "." in a folder name is none. *imported, when given,
// tells which was tried.
bool OpenDataFile(CKmdEntryFile& file, const char* path, bool* imported = nullptr);
bool IsLegacyName(const char* path);
