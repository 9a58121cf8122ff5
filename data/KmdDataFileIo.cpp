// The binary data file of data/KmbLayout.h.
#include "data/KmdDataFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

namespace {

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
    for (std::size_t at = KMB_HEADER_SIZE; present < count;) {
        ++present;
        if (n - at < RECORD_HEAD_SIZE)
            break;
        const std::size_t length = GetLe16(p + at + RECORD_LENGTH_OFFSET);
        if (n - at - RECORD_HEAD_SIZE < length)
            break;
        at += RECORD_HEAD_SIZE + length;
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
                GetLe32(reinterpret_cast<const unsigned char*>(bytes.data()) + KMB_VERSION_OFFSET);
            if ((fileVersion >> 16) != 2 || (fileVersion & 0xFFFF) != 0) {
                loadFailure = LOAD_NOT_DATA_FILE;
                return false;
            }
        }
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    if (n < KMB_HEADER_SIZE) {
        loadFailure = LOAD_NOT_DATA_FILE;
        return false;
    }
    const std::size_t present = RecordsPresent(p, n, GetLe32(p + KMB_COUNT_OFFSET));
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
    std::size_t at = KMB_HEADER_SIZE;
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
        unsigned char header[KMB_HEADER_SIZE];
        PutLe32(header + KMB_VERSION_OFFSET, FILE_VERSION);
        PutLe32(header + KMB_COUNT_OFFSET, static_cast<std::uint32_t>(entries.size()));
        bytes.assign(reinterpret_cast<const char*>(header), sizeof header);
        for (const CKmdDate& e : entries)
            e.WriteTo(bytes);
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
