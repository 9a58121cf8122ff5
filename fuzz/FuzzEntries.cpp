#include "fuzz/FuzzEntries.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "calendar/KmdDataFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {
bool Store(const std::string& path, const unsigned char* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

std::string Image(const CKmdDate& e) {
    unsigned char b[CKmdDate::PackedSize()];
    e.Pack(b, sizeof b);
    return std::string(reinterpret_cast<char*>(b), sizeof b);
}

// The packed images from `first` on; `asWritten` keeps each name only up to its first NUL,
// which is what the writer stores.
std::string Images(const CKmdDataFile& file, int first = 0, bool asWritten = false) {
    std::string s;
    for (int i = first; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        std::string image = Image(e);
        if (asWritten) {
            const std::size_t nul = image.find('\0', 6);
            if (nul != std::string::npos)
                image.replace(nul, image.size() - nul, image.size() - nul, '\0');
        }
        s += image;
    }
    return s;
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

// Saving what was loaded and reading it back gives the same entries, and saving those again
// the same bytes.
bool RoundTrips(const CKmdDataFile& file) {
    std::string out, again;
    CKmdDataFile back, twice;
    if (!file.WriteBytes(out) || !ReadBack(out, back))
        return false;
    if (Images(back) != Images(file, 0, true) || !back.WriteBytes(again) || !ReadBack(again, twice))
        return false;
    return again == out && Images(twice) == Images(back);
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
    const std::string before = Images(read);
    const bool ok = read.ReadBytes(data, size);
    if (ok != header)
        return false;
    if (!ok)
        return Images(read) == before;
    // Records never outnumber what the bytes hold (8 at least each), plus the one cut short.
    if (static_cast<std::size_t>(read.GetCount()) > (size - 8) / 8 + 1 || !NamesFit(read))
        return false;
    if (!RoundTrips(read))
        return false;

    // Append gives the same records after those held, twice over, and the same holidays.
    CKmdDataFile appended, fresh;
    appended.Add(held);
    if (!appended.AppendBytes(data, size) || !appended.AppendBytes(data, size) ||
        !fresh.AppendBytes(data, size))
        return false;
    const std::string records = Images(read);
    return Images(appended) == before + records + records && Images(fresh) == records &&
           SameHolidays(fresh, read);
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
    return again.ImportTextBytes(data, size) && Images(again) == Images(file) &&
           again.GetImportStopLine() == file.GetImportStopLine();
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
    // lines, reported in order.
    char header[64];
    const int n = wsprintfA(header, "%04d/%02d/%02d", static_cast<int>(year),
                            static_cast<int>(month), static_cast<int>(day));
    if (text.find(std::string(header, static_cast<std::size_t>(n))) == std::string::npos)
        return false;
    unsigned pos = 0;
    char line[MEMO_LINE_SIZE];
    std::size_t next = 0;
    while (NextDataFileName(pos, line, year, chip.c_str()))
        if (next < skipped.size() && skipped[next].path == line)
            ++next;
    if (next != skipped.size())
        return false;
    // The same inputs give the same text, with or without the list of skipped files.
    return text == Generate(chip, date, nullptr, length);
}
