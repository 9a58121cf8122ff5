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
    std::uint32_t y = today.wYear, m = today.wMonth, d = today.wDay;
    for (unsigned k = MostNoticeDays(chipText.c_str()); k > 0; --k)
        NextDay(y, m, d);
    if (y != today.wYear)
        years.push_back(y);
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
    std::vector<std::string> warnings;
    std::vector<std::string> named; // a path of the next year once, however it was named
    bool nextYear = false;
    const std::string here = Cp932ToUtf8(CurrentFolder());
    const auto warn = [&](const std::string& path, LoadFailure why) {
        for (std::size_t i = 0; nextYear && i < named.size(); ++i)
            if (named[i] == path)
                return;
        named.push_back(path);
        const bool lookedInHere = why == LOAD_MISSING && IsRelativePath(path.c_str());
        warnings.push_back(HostBytes(
            NothingAddedText(Cp932ToUtf8(path), why, lookedInHere ? here : std::string())));
    };
    // The lines as the plug-in reads them, with the engine's own reader.
    for (unsigned year : YearsRead(chipText, today)) {
        nextYear = year != today.wYear;
        unsigned pos = 0;
        char line[MEMO_LINE_SIZE];
        std::vector<SkippedFile> tooLong;
        std::size_t told = 0;
        for (bool more = true; more;) {
            more = NextDataFileName(pos, line, year, chipText.c_str(), nullptr, &tooLong);
            for (; told < tooLong.size(); ++told) // a line dropped on the way comes first
                warn(tooLong[told].path, LOAD_PATH_TOO_LONG);
            if (!more)
                break;
            const LoadFailure why = WhyNothing(line);
            if (why != LOAD_OK)
                warn(line, why);
        }
    }
    return warnings;
}
