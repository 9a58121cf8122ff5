#include "tools/koyomihost/ChipCheck.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "data/KmbLayout.h"
#include "platform/CodePage.h"

#include <windows.h>

#include <vector>

namespace {
// LOAD_OK when the path adds something.
LoadFailure WhyNothing(const std::string& path) {
    // The plug-in's own open: the system's rules for the name apply alike (a trailing space
    // or dot of the file name is dropped on Windows).
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
            return LOAD_MISSING;
        const DWORD a = GetFileAttributesA(path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) ? LOAD_NOT_REGULAR
                                                                              : LOAD_UNREADABLE;
    }
    LoadFailure why = LOAD_OK;
    unsigned char header[KMB_HEADER_SIZE];
    DWORD got = 0;
    if (GetFileType(h) != FILE_TYPE_DISK)
        why = LOAD_NOT_REGULAR;
    else if (!ReadFile(h, header, sizeof header, &got, nullptr))
        why = LOAD_UNREADABLE;
    else if (got < sizeof header || GetLe32(header + KMB_VERSION_OFFSET) != FILE_VERSION)
        why = LOAD_NOT_DATA_FILE;
    CloseHandle(h);
    return why;
}

// The years whose files the chip reads on the day `today`: its own, and the next one when a
// line's notice reaches into it.
std::vector<unsigned> YearsRead(const std::string& chipText, const SYSTEMTIME& today) {
    std::vector<unsigned> years{today.wYear};
    SYSTEMTIME last = today;
    if (AddDays(last, MostNoticeDays(chipText.c_str())) && last.wYear != today.wYear)
        years.push_back(last.wYear);
    return years;
}
} // namespace

std::string HostBytes(const std::string& utf8) {
    std::string cp932;
    Utf8ToCp932(utf8.data(), utf8.size(), cp932);
    return cp932;
}

std::string Say(MessageId id, std::initializer_list<std::string> args) {
    std::vector<std::string> utf8;
    for (const std::string& a : args)
        utf8.push_back(Cp932ToUtf8(a));
    return HostBytes(Msg(id, utf8));
}

void HostPut(DWORD which, const std::string& bytes) {
    HANDLE h = GetStdHandle(which);
    for (std::size_t at = 0; at < bytes.size();) {
        DWORD wrote = 0;
        if (!WriteFile(h, bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &wrote,
                       nullptr) ||
            wrote == 0)
            return;
        at += wrote;
    }
}

void HostError(const std::string& text) {
    HostPut(STD_ERROR_HANDLE, "koyomihost: " + text + "\n");
}

void HostWarn(const std::vector<std::string>& warnings) {
    std::string lines;
    for (const std::string& w : warnings)
        lines += "koyomihost: " + Say(MSG_WARNING) + w + "\n";
    HostPut(STD_ERROR_HANDLE, lines);
}

std::vector<std::string> NothingAddedWarnings(const std::string& chipText,
                                              const SYSTEMTIME& today) {
    // The lines as the plug-in reads them, with the engine's own reader; a path of the next
    // year once, however it was named.
    std::vector<SkippedFile> nothing;
    for (unsigned year : YearsRead(chipText, today)) {
        unsigned pos = 0;
        char line[MEMO_LINE_SIZE];
        std::vector<SkippedFile> ofYear; // a line too long, dropped on the way, comes first
        while (NextDataFileName(pos, line, year, chipText.c_str(), nullptr, &ofYear)) {
            const LoadFailure why = WhyNothing(line);
            if (why != LOAD_OK)
                ofYear.push_back({line, why});
        }
        if (year == today.wYear)
            nothing.swap(ofYear);
        else
            AddFileNotes(ofYear, {}, &nothing, nullptr);
    }
    std::vector<std::string> warnings;
    const std::string here = Cp932ToUtf8(CurrentFolder());
    for (const SkippedFile& s : nothing) {
        const bool lookedInHere = s.why == LOAD_MISSING && IsRelativePath(s.path.c_str());
        warnings.push_back(HostBytes(
            NothingAddedText(Cp932ToUtf8(s.path), s.why, lookedInHere ? here : std::string())));
    }
    return warnings;
}
