// The day text: from a chip's text (data-file paths, one per line) and a date, the text the
// chip shows, as code page 932 bytes. Portable: it needs only the platform seam. The named
// files are read in fixed-size chunks and their records matched where they lie in the bytes.
#pragma once

#include "data/KmbRecords.h"
#include "data/KmdEntryFile.h"
#include "data/KmdHoliday.h"
#include "platform/Platform.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr int MEMO_LINE_SIZE = 260;  // one path after placeholder replacement, with its NUL
constexpr int MEMO_WORK_SIZE = 1024; // the header line, then each name in turn

// A named data file that added nothing to the text, and why.
struct SkippedFile {
    std::string path;
    LoadFailure why;
};

// A named data file cut short (records.Cut()): its header promised more records than it held
// whole. What it held was read.
struct CutFile {
    std::string path;
    KmbRecordCount records;
};

// The most days of notice a chip line asks for: a line that ends in "*N" (N = 1-31 in one or
// two ASCII digits) names the path before the "*" and shows that file's entries N days ahead.
constexpr unsigned MAX_NOTICE_DAYS = 31;

// The text for a date: the header, then the name of every entry that applies, or "なし"; the
// error text alone for a null or empty chip text, or when no text could be built. The holiday
// table is built for the year of the one clock, "%year%" is the date's year. Then, for each
// day D+k up to the most notice a line asks for, one line "明日：NAME" (明後日, k日後) for each
// entry of a line asking for k days or more that the chip shows on D+k with the clock at D+k:
// "%year%" and the holidays of that day's year, from all the chip's files. Each named file
// that added nothing is also listed in *skipped, and each one cut short in *cut, in chip-text
// order (a path once, however many years named it); *readAny tells whether any named file was
// read at all. A relative line is read from `folder` (FolderOf a chip file; null or empty: the
// current folder, as the plug-in reads it). Never throws.
std::string MakeDayText(const char* chipText, const SYSTEMTIME& date,
                        std::vector<SkippedFile>* skipped = nullptr,
                        std::vector<CutFile>* cut = nullptr, bool* readAny = nullptr,
                        const char* folder = nullptr);

// Adds the files another load skipped or found cut short to the lists (those given), each
// path once.
void AddFileNotes(const std::vector<SkippedFile>& skipped, const std::vector<CutFile>& cut,
                  std::vector<SkippedFile>* toSkipped, std::vector<CutFile>* toCut);

// One applying entry with a name.
struct DayHit {
    unsigned file;          // the chip line's file, in chip-text order of the files loaded
    unsigned record;        // the record's position in its file
    const char* name;       // its name bytes, code page 932, without terminator
    std::size_t nameLength; // 1-127
    bool holiday;           // the entry declares a holiday
};

// What a walk over a chip's files gives its hits to, in chip-text and record order.
class CHitSink {
public:
    virtual ~CHitSink() = default;
    // The entry applies on the walk's date number `date`; its name lies in a read buffer
    // that holds it only for the call.
    virtual void Hit(unsigned date, const DayHit& hit) = 0;
    // LoadAndWalk only. Mark: the hits given so far were matched before a holiday entry
    // changed the table. Redo: those up to the last Mark were wrong for an entry that moves
    // off holidays; they come again, matched against the whole table, until Resume. The hits
    // after the last Mark stand.
    virtual void Mark() {}
    virtual void Redo() {}
    virtual void Resume() {}
};

// The data files a chip text names, for one year, and the holiday table that their holiday
// entries fill, matched for any number of dates. Only the paths are held: each file is read
// in fixed-size chunks whenever it is walked.
class CChipFiles {
public:
    // Relative lines are read from folder, FolderOf the chip file that holds them (empty: the
    // current folder). The longest path a line with its folder may make is a line's.
    explicit CChipFiles(std::string folder = std::string()) : folder(std::move(folder)) {}
    // Reads every file the chip text names ("%year%" = pathYear) and marks the holidays for
    // holidayYear. Each named file that added nothing goes to *skipped, each one cut short to
    // *cut. False when memory ran out (nothing is then held). Never throws.
    bool Load(const char* chipText, unsigned pathYear, unsigned holidayYear,
              std::vector<SkippedFile>* skipped = nullptr, std::vector<CutFile>* cut = nullptr);
    // Load, and ForEachHitOn the dates, with each file read once: every record is matched as
    // it goes by, before later holiday entries are known, and put right through the sink's
    // Mark, Redo and Resume where that was too early. False when memory ran out.
    bool LoadAndWalk(const char* chipText, unsigned pathYear, unsigned holidayYear,
                     const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                     CHitSink& sink, std::vector<SkippedFile>* skipped = nullptr,
                     std::vector<CutFile>* cut = nullptr);
    // Several dates (at most 32) in one walk over each file's records, each record decoded
    // once: date i is asked of the files whose line asks for at least minNotice[i] days of
    // notice (0: of every file). False when memory ran out. Never throws.
    bool ForEachHitOn(const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count,
                      CHitSink& sink) const;

    std::size_t FileCount() const { return files.size(); }
    // The path as the chip line names it (the same from any folder: it makes an export's UIDs).
    const std::string& PathOf(unsigned file) const { return files[file].path; }
    // The days of notice the file's chip line asks for; 0 for none.
    unsigned NoticeOf(unsigned file) const { return files[file].notice; }
    const CKmdHoliday& GetHolidays() const { return holidays; }

private:
    struct File {
        std::string path;   // as named
        std::string opened; // in the folder, for a relative path
        unsigned notice;
    };
    bool Walk(const SYSTEMTIME* dates, const unsigned* minNotice, unsigned count, CHitSink& sink,
              std::size_t fileEnd, unsigned lastRecordEnd) const;

    std::string folder;
    std::vector<File> files;
    CKmdHoliday holidays;
};

// The most days of notice any line of the chip text asks for; 0 for none.
unsigned MostNoticeDays(const char* chipText);

// The next data-file path of chipText from byte position pos on, "%YEAR%"/"%year%" replaced
// by year, without a notice suffix, whose days go to *notice (0 for none). line holds
// MEMO_LINE_SIZE bytes. A line that would not fit is skipped whole, and given to *skipped.
// True while a non-empty path was produced.
bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText,
                      unsigned* notice = nullptr, std::vector<SkippedFile>* skipped = nullptr);
