// Binary data file: version (4 bytes, 0x20000), count (4 bytes), then count records.
#include "data/KmdDataFile.h"

#include <fstream>
#include <string>

namespace {
bool ReadUint32(std::istream& in, std::uint32_t& out) {
    unsigned char b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4))
        return false;
    out = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
          (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

void WriteUint32(std::ostream& out, std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    out.write(reinterpret_cast<const char*>(b), 4);
}
} // namespace

// Header checks and records; `out` receives them only when the header was sound.
bool CKmdDataFile::ReadRecords(const char* path, std::vector<CKmdDate>& out) {
    if (!path)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::uint32_t fileVersion, count;
    if (!ReadUint32(in, fileVersion))
        return false;
    // The two halves are tested apart; both failures look the same to the caller.
    if ((fileVersion >> 16) != 2 || (fileVersion & 0xFFFF) != 0)
        return false;
    if (!ReadUint32(in, count))
        return false;
    // Records are appended as they are read, never reserved from the count: a damaged count
    // costs nothing. The record in which the file ends keeps what was read in full and ends
    // the list.
    for (std::uint32_t i = 0; i < count; ++i) {
        CKmdDate entry;
        const bool whole = entry.ReadFrom(in);
        out.push_back(entry);
        if (!whole)
            break;
    }
    return true;
}

bool CKmdDataFile::Append(const char* path) {
    std::vector<CKmdDate> records;
    if (!ReadRecords(path, records))
        return false;
    const unsigned before = static_cast<unsigned>(entries.size());
    entries.insert(entries.end(), records.begin(), records.end());
    MarkHolidays(before);
    return true;
}

bool CKmdDataFile::Read(const char* path) {
    std::vector<CKmdDate> records;
    if (!ReadRecords(path, records))
        return false;
    entries.swap(records);
    version = FILE_VERSION;
    MarkHolidays(0);
    return true;
}

bool CKmdDataFile::Write(const char* path) const {
    if (!path || !path[0])
        return false;
    // Written beside the target and moved over it only when every byte went out, so that a
    // full disk never leaves a half-written file in place of the user's data.
    const std::string temp = std::string(path) + ".tmp~";
    {
        std::ofstream out(temp.c_str(), std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        WriteUint32(out, FILE_VERSION);
        WriteUint32(out, static_cast<std::uint32_t>(entries.size()));
        for (const CKmdDate& e : entries)
            e.WriteTo(out);
        out.flush();
        const bool ok = out.good();
        out.close();
        if (!ok || out.fail()) {
            DeleteFileA(temp.c_str());
            return false;
        }
    }
    if (!ReplaceFileWith(temp.c_str(), path)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}
