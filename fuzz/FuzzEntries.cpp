#include "fuzz/FuzzEntries.h"

#include "data/ChipFile.h"
#include "data/KmdEntryFile.h"

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

// n entries of a from aFrom on equal those of b from bFrom on, packed image by image (the
// whole name field); no allocation, so that the fuzzer spends its time in the readers.
bool SameEntries(const CKmdEntryFile& a, int aFrom, const CKmdEntryFile& b, int bFrom, int n) {
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

bool IsHeldFirst(const CKmdEntryFile& file) {
    CKmdDate e;
    return file.GetAt(0, e) && std::strcmp(e.NameField(), "held") == 0;
}

bool IsHeldOnly(const CKmdEntryFile& file) {
    return file.GetCount() == 1 && IsHeldFirst(file);
}

// Every name ends within its field: at most 127 bytes and the terminator.
bool NamesFit(const CKmdEntryFile& file) {
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        if (e.NameField()[KMD_NAME_MAX] != 0)
            return false;
    }
    return true;
}

bool ReadBack(const std::string& bytes, CKmdEntryFile& into) {
    return into.ReadBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// Saving what was loaded and reading it back gives the same entries (each name up to its
// first NUL, which is what the writer stores), and saving those again the same bytes.
bool RoundTrips(const CKmdEntryFile& file) {
    std::string out, again;
    CKmdEntryFile back;
    if (!file.WriteBytes(out) || !ReadBack(out, back) || back.GetCount() != file.GetCount())
        return false;
    return back.WriteBytes(again) && again == out;
}

// Entries the import builds went through the setters: every field is in range.
bool InSetterRanges(const CKmdEntryFile& file) {
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

    CKmdEntryFile read;
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

    // Append gives the same records after those held, twice over.
    CKmdEntryFile appended;
    appended.Add(held);
    if (!appended.AppendBytes(data, size) || !appended.AppendBytes(data, size))
        return false;
    const int n = read.GetCount();
    return appended.GetCount() == 1 + 2 * n && SameEntries(appended, 1, read, 0, n) &&
           SameEntries(appended, 1 + n, read, 0, n) && IsHeldFirst(appended);
}

bool FuzzImportInput(const unsigned char* data, std::size_t size) {
    CKmdEntryFile file;
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
        file.GetLoadReport().importStopLine > lines)
        return false;
    if (!NamesFit(file) || !InSetterRanges(file) || !RoundTrips(file))
        return false;
    // Importing the same file again gives the same result.
    CKmdEntryFile again;
    return again.ImportTextBytes(data, size) && again.GetCount() == file.GetCount() &&
           SameEntries(again, 0, file, 0, file.GetCount()) &&
           again.GetLoadReport().importStopLine == file.GetLoadReport().importStopLine &&
           ChipFileHolds(data, size, true) && ChipFileHolds(data, size, false);
}
