// The binary data file of data/KmbLayout.h.
#include "data/KmdEntryFile.h"

#include "data/KmbRecords.h"
#include "platform/Files.h"
#include "platform/PutInPlace.h"

#include <algorithm>
#include <exception>
#include <string>

LoadFailure LoadFailureOf(OpenFailure why) {
    switch (why) {
    case OPEN_MISSING:
        return LOAD_MISSING;
    case OPEN_NOT_REGULAR:
        return LOAD_NOT_REGULAR;
    case OPEN_NO_MEMORY:
        return LOAD_TOO_LARGE;
    default:
        return LOAD_UNREADABLE;
    }
}

// Header checks and records; `out` receives records only when the header was sound.
bool CKmdEntryFile::ReadRecords(const unsigned char* p, std::size_t n, std::vector<CKmdDate>& out,
                                KmbRecordCount& count) {
    if (!IsKmbHeader(p, n))
        return Refuse(LOAD_NOT_DATA_FILE);
    // Counted first, so that the list grows once: the count in the header is never trusted.
    std::size_t present = 0;
    KmbRecordBytes r{};
    for (CKmbCursor c(p, n); c.Next(r);)
        ++present;
    if (present > out.max_size() - out.size())
        return Refuse(LOAD_TOO_LARGE);
    // Room for the new records at once, growing at least twofold so that a chip naming many
    // files copies the earlier entries only a few times. A failure throws before anything
    // is added.
    const std::size_t needed = out.size() + present;
    if (needed > out.capacity())
        out.reserve(std::max(needed, std::min(out.max_size(), 2 * out.capacity())));
    CKmbCursor c(p, n);
    while (c.Next(r)) {
        out.emplace_back();
        out.back().ReadFrom(r);
    }
    count = c.Count();
    return true;
}

bool CKmdEntryFile::LoadBytes(const unsigned char* bytes, std::size_t size, bool append) {
    // Records are added only once the header passed, so a refusal changes nothing. Read fills
    // a list aside and swaps it in.
    std::vector<CKmdDate> fresh;
    std::vector<CKmdDate>& target = append ? entries : fresh;
    const std::size_t before = target.size();
    LoadReport read;
    try {
        if (!ReadRecords(bytes, size, target, read.records))
            return false;
    } catch (const std::exception&) {
        // A file this process cannot hold (memory, or more records than a vector takes) adds
        // nothing; what earlier files added stays.
        target.resize(before);
        return Refuse(LOAD_TOO_LARGE);
    }
    if (!append) {
        entries.swap(fresh);
        version = FILE_VERSION;
    }
    report = read;
    OnEntriesAdded(static_cast<unsigned>(before));
    return true;
}

bool CKmdEntryFile::LoadFile(const char* path, bool append) {
    OpenFailure opened;
    CFileBytes bytes;
    if (!bytes.Load(path, &opened))
        return Refuse(LoadFailureOf(opened));
    return LoadBytes(bytes.Data(), bytes.Size(), append);
}

bool CKmdEntryFile::Append(const char* path) {
    return LoadFile(path, true);
}

bool CKmdEntryFile::Read(const char* path) {
    return LoadFile(path, false);
}

bool CKmdEntryFile::AppendBytes(const unsigned char* bytes, std::size_t size) {
    return LoadBytes(bytes, size, true);
}

bool CKmdEntryFile::ReadBytes(const unsigned char* bytes, std::size_t size) {
    return LoadBytes(bytes, size, false);
}

bool CKmdEntryFile::Write(const char* path, CFileStamp* placed) const {
    std::string bytes;
    if (!WriteBytes(bytes))
        return false; // no memory for the image: the target stays as it was
    return PutInPlace(path, bytes.data(), bytes.size(), placed);
}

bool CKmdEntryFile::WriteBytes(std::string& out) const {
    try {
        unsigned char header[KMB_HEADER_SIZE];
        PutLe32(header + KMB_VERSION_OFFSET, FILE_VERSION);
        PutLe32(header + KMB_COUNT_OFFSET, static_cast<std::uint32_t>(entries.size()));
        out.assign(reinterpret_cast<const char*>(header), sizeof header);
        for (const CKmdDate& e : entries)
            e.WriteTo(out);
    } catch (const std::exception&) {
        out.clear();
        return false;
    }
    return true;
}
