#include "fuzz/FuzzEntries.h"

#include "data/KmdDataFile.h"

#include <cstdio>
#include <cstring>

namespace {
bool Store(const std::string& path, const unsigned char* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

std::string Image(const CKmdDate& e) {
    unsigned char b[134];
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

// Saving what was loaded and reading it back gives the same entries, and saving those again
// the same bytes.
bool RoundTrips(const CKmdDataFile& file, const std::string& scratch) {
    const std::string out = scratch + "/fuzz-out.kmb", again = scratch + "/fuzz-again.kmb";
    CKmdDataFile back, twice;
    if (!file.Write(out.c_str()) || !back.Read(out.c_str()))
        return false;
    if (Images(back) != Images(file, 0, true) || !back.Write(again.c_str()) ||
        !twice.Read(again.c_str()))
        return false;
    return Images(twice) == Images(back);
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
        unsigned char b[134];
        e.Pack(b, sizeof b);
        if (b[3] > 7) // no high nibble in the weekday byte
            return false;
    }
    return true;
}
} // namespace

bool FuzzDataFileInput(const unsigned char* data, std::size_t size, const std::string& scratch) {
    const std::string in = scratch + "/fuzz-in.kmb";
    if (!Store(in, data, size))
        return true; // nothing to test without the file
    const bool header = size >= 8 && data[0] == 0 && data[1] == 0 && data[2] == 2 && data[3] == 0;

    CKmdDataFile read;
    CKmdDate held;
    held.SetName("held");
    read.Add(held);
    const std::string before = Images(read);
    const bool ok = read.Read(in.c_str());
    if (ok != header)
        return false;
    if (!ok)
        return Images(read) == before;
    // Records never outnumber what the bytes hold (8 at least each), plus the one cut short.
    if (static_cast<std::size_t>(read.GetCount()) > (size - 8) / 8 + 1 || !NamesFit(read))
        return false;
    if (!RoundTrips(read, scratch))
        return false;

    // Append gives the same records after those held, twice over, and the same holidays.
    CKmdDataFile appended, fresh;
    appended.Add(held);
    if (!appended.Append(in.c_str()) || !appended.Append(in.c_str()) || !fresh.Append(in.c_str()))
        return false;
    const std::string records = Images(read);
    return Images(appended) == before + records + records && Images(fresh) == records &&
           SameHolidays(fresh, read);
}

bool FuzzImportInput(const unsigned char* data, std::size_t size, const std::string& scratch) {
    const std::string in = scratch + "/fuzz-in.kmd";
    if (!Store(in, data, size))
        return true;
    CKmdDataFile file;
    CKmdDate held;
    held.SetName("held");
    file.Add(held);
    if (!file.ImportText(in.c_str()))
        return false; // an existing file always imports
    std::size_t lines = 1;
    for (std::size_t i = 0; i < size; ++i)
        lines += data[i] == '\n';
    // One entry per read at most, each read holding at least "0 0 0 0 0 0 0 x" (15 bytes),
    // and a stop only at a line of the file.
    if (static_cast<std::size_t>(file.GetCount()) > size / 15 + 1 ||
        file.GetImportStopLine() > lines)
        return false;
    if (!NamesFit(file) || !InSetterRanges(file) || !RoundTrips(file, scratch))
        return false;
    // Importing the same file again gives the same result.
    CKmdDataFile again;
    return again.ImportText(in.c_str()) && Images(again) == Images(file) &&
           again.GetImportStopLine() == file.GetImportStopLine();
}
