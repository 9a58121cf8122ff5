#include "fuzz/FuzzEntries.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "calendar/KmdDataFile.h"
#include "data/ChipFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// A chip file's text ends before any NUL and a mark is told; a whole reading writes the file's
// bytes back, and a line appended to it (as the host's helper appends one) is written in the
// file's encoding and reads back as the text with that line.
bool ChipFileHolds(const unsigned char* data, std::size_t size, bool cp932Names) {
    const ChipFileText read = ChipTextOfBytes(data, size, cp932Names);
    const std::string file(reinterpret_cast<const char*>(data), size);
    if (read.text.find('\0') != std::string::npos ||
        (read.encoding == CHIP_UTF8_BOM) != (file.compare(0, 3, "\xEF\xBB\xBF") == 0))
        return false;
    if (!read.whole)
        return true; // never written back
    const std::string added = read.text + "\r\nadded.kmb";
    const std::string bytes = ChipFileBytes(added, read.encoding, cp932Names);
    const ChipFileText again = ChipTextOfBytes(reinterpret_cast<const unsigned char*>(bytes.data()),
                                               bytes.size(), cp932Names);
    return ChipFileBytes(read.text, read.encoding, cp932Names) == file && again.text == added &&
           again.encoding == read.encoding;
}

bool Store(const std::string& path, const unsigned char* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

// n entries of a from aFrom on equal those of b from bFrom on, packed image by image (the
// whole name field); no allocation, so that the fuzzer spends its time in the readers.
bool SameEntries(const CKmdDataFile& a, int aFrom, const CKmdDataFile& b, int bFrom, int n) {
    if (aFrom + n > a.GetCount() || bFrom + n > b.GetCount())
        return false;
    for (int i = 0; i < n; ++i) {
        CKmdDate x, y;
        unsigned char px[CKmdDate::PackedSize()], py[CKmdDate::PackedSize()];
        a.GetAt(static_cast<unsigned>(aFrom + i), x);
        b.GetAt(static_cast<unsigned>(bFrom + i), y);
        x.Pack(px, sizeof px);
        y.Pack(py, sizeof py);
        if (std::memcmp(px, py, sizeof px) != 0)
            return false;
    }
    return true;
}

bool IsHeldFirst(const CKmdDataFile& file) {
    CKmdDate e;
    return file.GetAt(0, e) && std::strcmp(e.NameField(), "held") == 0;
}

bool IsHeldOnly(const CKmdDataFile& file) {
    return file.GetCount() == 1 && IsHeldFirst(file);
}

bool SameHolidays(const CKmdDataFile& a, const CKmdDataFile& b) {
    for (unsigned m = 1; m <= 12; ++m)
        if (a.GetHolidays().GetMask(m) != b.GetHolidays().GetMask(m))
            return false;
    return true;
}

// Every name ends within its field: at most 127 bytes and the terminator.
bool NamesFit(const CKmdDataFile& file) {
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        if (e.NameField()[KMD_NAME_MAX] != 0)
            return false;
    }
    return true;
}

bool ReadBack(const std::string& bytes, CKmdDataFile& into) {
    return into.ReadBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// Saving what was loaded and reading it back gives the same entries (each name up to its
// first NUL, which is what the writer stores), and saving those again the same bytes.
bool RoundTrips(const CKmdDataFile& file) {
    std::string out, again;
    CKmdDataFile back;
    if (!file.WriteBytes(out) || !ReadBack(out, back) || back.GetCount() != file.GetCount())
        return false;
    return back.WriteBytes(again) && again == out;
}

// Entries the import builds went through the setters: every field is in range.
bool InSetterRanges(const CKmdDataFile& file) {
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        const CKmdDateFlags f = e.GetFlags();
        if (e.GetStartMonth() > 12 || e.GetEndMonth() > 12 || e.GetStartDay() > 31 ||
            e.GetEndDay() > 31 || e.GetWeekday() > 7 || f.GetWeek() > 5 || f.GetType() > 8 ||
            (f.GetWord() & 0xC000) != 0)
            return false;
        unsigned char b[CKmdDate::PackedSize()];
        e.Pack(b, sizeof b);
        if (b[3] > 7) // no high nibble in the weekday byte
            return false;
    }
    return true;
}
} // namespace

bool FuzzDataFileInput(const unsigned char* data, std::size_t size) {
    const bool header = size >= 8 && data[0] == 0 && data[1] == 0 && data[2] == 2 && data[3] == 0;

    CKmdDataFile read;
    CKmdDate held;
    held.SetName("held");
    read.Add(held);
    const bool ok = read.ReadBytes(data, size);
    if (ok != header)
        return false;
    if (!ok)
        return IsHeldOnly(read);
    // Records never outnumber what the bytes hold (8 at least each), plus the one cut short.
    if (static_cast<std::size_t>(read.GetCount()) > (size - 8) / 8 + 1 || !NamesFit(read))
        return false;
    if (!RoundTrips(read))
        return false;

    // Append gives the same records after those held, twice over, and the same holidays (the
    // held entry marks none, and marking the records again changes nothing).
    CKmdDataFile appended;
    appended.Add(held);
    if (!appended.AppendBytes(data, size) || !appended.AppendBytes(data, size))
        return false;
    const int n = read.GetCount();
    return appended.GetCount() == 1 + 2 * n && SameEntries(appended, 1, read, 0, n) &&
           SameEntries(appended, 1 + n, read, 0, n) && IsHeldFirst(appended) &&
           SameHolidays(appended, read);
}

bool FuzzImportInput(const unsigned char* data, std::size_t size) {
    CKmdDataFile file;
    CKmdDate held;
    held.SetName("held");
    file.Add(held);
    if (!file.ImportTextBytes(data, size))
        return false; // bytes always import
    std::size_t lines = 1;
    for (std::size_t i = 0; i < size; ++i)
        lines += data[i] == '\n';
    // One entry per read at most, each read holding at least "0 0 0 0 0 0 0 x" (15 bytes),
    // and a stop only at a line of the file.
    if (static_cast<std::size_t>(file.GetCount()) > size / 15 + 1 ||
        file.GetImportStopLine() > lines)
        return false;
    if (!NamesFit(file) || !InSetterRanges(file) || !RoundTrips(file))
        return false;
    // Importing the same file again gives the same result.
    CKmdDataFile again;
    return again.ImportTextBytes(data, size) && again.GetCount() == file.GetCount() &&
           SameEntries(again, 0, file, 0, file.GetCount()) &&
           again.GetImportStopLine() == file.GetImportStopLine() &&
           ChipFileHolds(data, size, true) && ChipFileHolds(data, size, false);
}

namespace {
// A little-endian 16-bit length and that many bytes (fewer where the input ends).
std::string TakePart(const unsigned char*& p, const unsigned char* end) {
    if (end - p < 2)
        return std::string();
    std::size_t n = p[0] | (p[1] << 8);
    p += 2;
    if (n > static_cast<std::size_t>(end - p))
        n = static_cast<std::size_t>(end - p);
    std::string part(reinterpret_cast<const char*>(p), n);
    p += n;
    return part;
}

std::string Generate(const std::string& chip, const SYSTEMTIME& date,
                     std::vector<SkippedFile>* skipped, int& length) {
    const std::string text = MakeDayText(chip.c_str(), date, skipped);
    // As the host is told: the text up to its first NUL.
    length = static_cast<int>(strnlen(text.c_str(), text.size()));
    return text;
}
} // namespace

// Layout: 4 bytes of date (year from the first two, month and day from the next two, each
// brought into range), then parts of a 16-bit length and bytes: the chip text, then the files
// f1.kmb, f2.kmb and f3.kmb. In the chip text "@" stands for the scratch folder and a "/".
bool FuzzDayTextInput(const unsigned char* data, std::size_t size, const std::string& scratch) {
    if (size < 4)
        return true;
    const unsigned year = 1601 + (data[0] | (data[1] << 8)) % 8399;
    const unsigned month = 1 + data[2] % 12;
    const unsigned day = 1 + data[3] % DaysInMonth(year, month);
    const SYSTEMTIME date = MakeDate(year, month, day);
    const unsigned char* p = data + 4;
    const unsigned char* const end = data + size;
    const std::string raw = TakePart(p, end);
    for (int i = 1; i <= 3; ++i) {
        const std::string bytes = TakePart(p, end);
        if (!Store(scratch + "/f" + std::to_string(i) + ".kmb",
                   reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
            return true;
    }
    std::string chip;
    for (char c : raw)
        chip += c == '@' ? scratch + "/" : std::string(1, c);

    std::vector<SkippedFile> skipped;
    int length = 0;
    const std::string text = Generate(chip, date, &skipped, length);
    // The length told is the text's, and the text is never empty.
    if (length != static_cast<int>(text.size()) || text.empty())
        return false;
    const std::string cut = chip.substr(0, std::strlen(chip.c_str()));
    if (cut.empty())
        return skipped.empty() && text == Generate(chip, date, nullptr, length);
    // A text begins with the header of its date and every skipped file is one of the chip's
    // lines, reported in order; a line too long to be a path is reported as it stands.
    char header[64];
    const int n = wsprintfA(header, "%04d/%02d/%02d", static_cast<int>(year),
                            static_cast<int>(month), static_cast<int>(day));
    if (text.find(std::string(header, static_cast<std::size_t>(n))) == std::string::npos)
        return false;
    std::vector<SkippedFile> opened;
    for (const SkippedFile& s : skipped) {
        if (s.why != LOAD_PATH_TOO_LONG)
            opened.push_back(s);
        else if (s.path.size() < MEMO_LINE_SIZE || cut.find(s.path) == std::string::npos)
            return false;
    }
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    std::size_t next = 0;
    while (NextDataFileName(pos, line, year, chip.c_str()))
        if (next < opened.size() && opened[next].path == line)
            ++next;
    // Then those that notice days read for their year: each a line of this year or the next.
    for (; next < opened.size(); ++next) {
        bool named = false;
        for (unsigned y : {year, year + 1})
            for (pos = 0; !named && NextDataFileName(pos, line, y, chip.c_str());)
                named = opened[next].path == line;
        if (!named)
            return false;
    }
    // The same inputs give the same text, with or without the list of skipped files.
    return text == Generate(chip, date, nullptr, length);
}
