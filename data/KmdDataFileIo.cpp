// Binary data file: version (4 bytes, 0x20000), count (4 bytes), then count records.
#include "data/KmdDataFile.h"

#include <fstream>
#include <new>
#include <string>

namespace {
std::uint32_t Uint32At(const unsigned char* b) {
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void WriteUint32(std::ostream& out, std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    out.write(reinterpret_cast<const char*>(b), 4);
}
} // namespace

// Header checks and records. The whole file is read in one go and parsed in memory; `out`
// receives records only when the header was sound.
bool CKmdDataFile::ReadRecords(const char* path, std::vector<CKmdDate>& out) {
    if (!path)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // The version is tested before the rest is read: a chip line naming a large file of
    // another kind must not make the reader hold all of it (a failed allocation would throw
    // out of the plug-in).
    unsigned char head[4];
    if (!in.read(reinterpret_cast<char*>(head), 4))
        return false;
    const std::uint32_t fileVersion = Uint32At(head);
    // The two halves are tested apart; both failures look the same to the caller.
    if ((fileVersion >> 16) != 2 || (fileVersion & 0xFFFF) != 0)
        return false;
    // Read in chunks rather than sized from tellg, which a directory or device answers with
    // nonsense.
    std::string bytes(reinterpret_cast<const char*>(head), 4);
    in.seekg(0, std::ios::end);
    const std::streamoff hint = in.tellg();
    in.clear();
    in.seekg(4, std::ios::beg);
    if (hint > 0 && hint < (std::streamoff(1) << 28))
        bytes.reserve(static_cast<std::size_t>(hint));
    in.clear();
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    if (n < 8)
        return false;
    const std::uint32_t count = Uint32At(p + 4);
    // Never reserved from the count alone: every record takes at least 8 bytes, so a damaged
    // count costs nothing. The record in which the file ends keeps what was read in full
    // and ends the list.
    std::size_t at = 8;
    const std::size_t room = (n - at) / 8 + 1;
    out.reserve(out.size() + (count < room ? count : room));
    for (std::uint32_t i = 0; i < count; ++i) {
        bool whole;
        out.emplace_back();
        at += out.back().ReadFrom(p + at, n - at, whole);
        if (!whole)
            break;
    }
    return true;
}

bool CKmdDataFile::Append(const char* path) {
    // Records are added only once the header passed, so a refusal changes nothing.
    const unsigned before = static_cast<unsigned>(entries.size());
    bool ok;
    try {
        ok = ReadRecords(path, entries);
    } catch (const std::bad_alloc&) {
        // Memory ran out on a huge file: refused as a whole, nothing thrown to the host.
        entries.resize(before);
        ok = false;
    }
    if (!ok)
        return false;
    MarkHolidays(before);
    return true;
}

bool CKmdDataFile::Read(const char* path) {
    std::vector<CKmdDate> records;
    bool ok;
    try {
        ok = ReadRecords(path, records);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok)
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
