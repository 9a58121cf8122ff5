// The day text: from a chip's text (data-file paths, one per line) and a date, the text the
// chip shows, as code page 932 bytes. Portable: it needs only the platform seam. The named
// files are read once and their records matched where they lie in the bytes.
#pragma once

#include "data/KmdEntryFile.h"
#include "data/KmdHoliday.h"
#include "platform/Files.h"
#include "platform/Platform.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int MEMO_LINE_SIZE = 260;  // one path after placeholder replacement, with its NUL
constexpr int MEMO_WORK_SIZE = 1024; // the header line, then each name in turn

// A named data file that added nothing to the text, and why.
struct SkippedFile {
    std::string path;
    LoadFailure why;
};

// A named data file cut short: its header promised more records than it held whole. What it
// held was read.
struct CutFile {
    std::string path;
    std::uint32_t promised; // records the header promises
    std::uint32_t present;  // records read, the last one perhaps in part
};

// The text for a date: the header, then the name of every entry that applies, or "なし"; the
// error text alone for a null or empty chip text, or when no text could be built. The holiday
// table is built for the year of the one clock, "%year%" is the date's year. Each named file
// that added nothing is also listed in *skipped, and each one cut short in *cut, in chip-text
// order. Never throws.
std::string MakeDayText(const char* chipText, const SYSTEMTIME& date,
                        std::vector<SkippedFile>* skipped = nullptr,
                        std::vector<CutFile>* cut = nullptr);

// One applying entry with a name.
struct DayHit {
    unsigned file;          // the chip line's file, in chip-text order of the files loaded
    unsigned record;        // the record's position in its file
    const char* name;       // its name bytes, code page 932, without terminator
    std::size_t nameLength; // 1-127
    bool holiday;           // the entry declares a holiday
};

// The data files a chip text names, loaded once for one year and matched for any number of
// dates: every file's bytes, and the holiday table that their holiday entries fill.
class CChipFiles {
public:
    // Loads every file the chip text names ("%year%" = pathYear) and marks the holidays for
    // holidayYear. Each named file that added nothing goes to *skipped, each one cut short to
    // *cut. False when memory ran out (nothing is then held). Never throws.
    bool Load(const char* chipText, unsigned pathYear, unsigned holidayYear,
              std::vector<SkippedFile>* skipped = nullptr, std::vector<CutFile>* cut = nullptr);
    // The applying entries with a name, in chip-text and record order (replacing out's
    // content). False when memory ran out. Never throws.
    bool Hits(const SYSTEMTIME& date, std::vector<DayHit>& out) const;
    // The same, each hit handed to visit(hit, context) as it is found.
    void ForEachHit(const SYSTEMTIME& date, void (*visit)(const DayHit&, void*),
                    void* context) const;

    std::size_t FileCount() const { return files.size(); }
    const std::string& PathOf(unsigned file) const { return files[file].path; }
    const CKmdHoliday& GetHolidays() const { return holidays; }

private:
    struct File {
        std::string path;
        CFileBytes bytes;
    };
    std::vector<File> files;
    CKmdHoliday holidays;
};

// The next data-file path of chipText from byte position pos on, "%YEAR%"/"%year%" replaced
// by year. line holds MEMO_LINE_SIZE bytes. A line that would not fit is skipped whole.
// True while a non-empty path was produced.
bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText);
