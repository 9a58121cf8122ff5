// Binary data file: version (4 bytes, 0x20000), count (4 bytes), then count records.
#include "data/KmdDataFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <sstream>
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

LoadFailure FromOpen(OpenFailure why) {
    switch (why) {
    case OPEN_MISSING:
        return LOAD_MISSING;
    case OPEN_NOT_REGULAR:
        return LOAD_NOT_REGULAR;
    default:
        return LOAD_UNREADABLE;
    }
}

// The records the bytes hold for a count: each complete record, and the one in which the
// bytes end (it is kept with the fields read in full). Never more than the bytes allow, so
// a damaged count costs nothing.
std::size_t RecordsPresent(const unsigned char* p, std::size_t n, std::uint32_t count) {
    std::size_t present = 0;
    for (std::size_t at = 8; present < count;) {
        ++present;
        if (n - at < 8)
            break;
        const std::size_t length = p[at + 6] | (p[at + 7] << 8);
        if (n - at - 8 < length)
            break;
        at += 8 + length;
    }
    return present;
}
} // namespace

// Header checks and records. The whole file is read in one go and parsed in memory; `out`
// receives records only when the header was sound.
bool CKmdDataFile::ReadRecords(const char* path, std::vector<CKmdDate>& out) {
    OpenFailure opened;
    CRegularFile in;
    if (!in.Open(path, &opened)) {
        loadFailure = FromOpen(opened);
        return false;
    }
    // The version is tested on the first chunk, before the rest is read: a chip line naming a
    // large file of another kind must not make the reader hold all of it. The string grows as
    // the bytes arrive: no size the file or the system states is trusted to size memory.
    char chunk[65536];
    std::string bytes;
    for (long got; (got = in.Read(chunk, sizeof chunk)) != 0;) {
        if (got < 0) {
            loadFailure = LOAD_UNREADABLE;
            return false;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
        // The two halves are tested apart; both failures look the same to the caller.
        if (bytes.size() >= 4) {
            const std::uint32_t fileVersion =
                Uint32At(reinterpret_cast<const unsigned char*>(bytes.data()));
            if ((fileVersion >> 16) != 2 || (fileVersion & 0xFFFF) != 0) {
                loadFailure = LOAD_NOT_DATA_FILE;
                return false;
            }
        }
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    if (n < 8) {
        loadFailure = LOAD_NOT_DATA_FILE;
        return false;
    }
    const std::size_t present = RecordsPresent(p, n, Uint32At(p + 4));
    if (present > out.max_size() - out.size()) {
        loadFailure = LOAD_TOO_LARGE;
        return false;
    }
    // Room for the new records at once, growing at least twofold so that a chip naming many
    // files copies the earlier entries only a few times. A failure throws before anything
    // is added.
    const std::size_t needed = out.size() + present;
    if (needed > out.capacity())
        out.reserve(std::max(needed, std::min(out.max_size(), 2 * out.capacity())));
    std::size_t at = 8;
    for (std::size_t i = 0; i < present; ++i) {
        bool whole;
        out.emplace_back();
        at += out.back().ReadFrom(p + at, n - at, whole);
        if (!whole)
            break;
    }
    loadFailure = LOAD_OK;
    return true;
}

bool CKmdDataFile::Append(const char* path) {
    // Records are added only once the header passed, so a refusal changes nothing.
    const std::size_t before = entries.size();
    bool ok;
    try {
        ok = ReadRecords(path, entries);
    } catch (const std::exception&) {
        // A file this process cannot hold (memory, or more records than a vector takes) adds
        // nothing; what earlier files added stays.
        entries.resize(before);
        loadFailure = LOAD_TOO_LARGE;
        ok = false;
    }
    if (!ok)
        return false;
    MarkHolidays(static_cast<unsigned>(before));
    return true;
}

bool CKmdDataFile::Read(const char* path) {
    std::vector<CKmdDate> records;
    bool ok;
    try {
        ok = ReadRecords(path, records);
    } catch (const std::exception&) {
        loadFailure = LOAD_TOO_LARGE;
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
    // A folder or a device under the target's name is nothing to replace.
    if (KindOfFile(path) == FILE_OTHER)
        return false;
    // Written beside the target under a fresh name and moved over it only when every byte
    // went out, so that a full disk never leaves a half-written file in place of the user's
    // data.
    std::string bytes;
    try {
        std::ostringstream image;
        WriteUint32(image, FILE_VERSION);
        WriteUint32(image, static_cast<std::uint32_t>(entries.size()));
        for (const CKmdDate& e : entries)
            e.WriteTo(image);
        bytes = image.str();
    } catch (const std::exception&) {
        return false; // no memory for the image: the target stays as it was
    }
    std::string temp;
    std::FILE* out = CreateFreshFile(path, temp);
    if (!out)
        return false;
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    if (!CloseWrittenFile(out) || !ReplaceFileWith(temp.c_str(), path)) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}
