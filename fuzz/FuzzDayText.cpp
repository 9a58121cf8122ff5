// The fuzz targets' bodies that need the calendar layer: the holidays a load marks, and the
// day text.
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
} // namespace

bool FuzzDataFileHolidays(const unsigned char* data, std::size_t size) {
    // Append marks the same holidays as Read, twice over too (the held entry marks none, and
    // marking the records again changes nothing); a refused file marks none.
    CKmdDataFile read, appended;
    CKmdDate held;
    held.SetName("held");
    appended.Add(held);
    const bool ok = read.ReadBytes(data, size);
    if (appended.AppendBytes(data, size) != ok || appended.AppendBytes(data, size) != ok)
        return false;
    return appended.GetHolidays() == read.GetHolidays();
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
