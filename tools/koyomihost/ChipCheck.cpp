#include "tools/koyomihost/ChipCheck.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "data/KmbLayout.h"

#include <windows.h>

#include <vector>

namespace {
const char* WhyNothing(const std::string& path) {
    // The plug-in's own open: the system's rules for the name apply alike (a trailing space
    // or dot of the file name is dropped on Windows).
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
            return "no such file";
        const DWORD a = GetFileAttributesA(path.c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) ? "not a regular file"
                                                                              : "cannot be read";
    }
    const char* why = nullptr;
    unsigned char header[KMB_HEADER_SIZE];
    DWORD got = 0;
    if (GetFileType(h) != FILE_TYPE_DISK)
        why = "not a regular file";
    else if (!ReadFile(h, header, sizeof header, &got, nullptr))
        why = "cannot be read";
    else if (got < sizeof header || GetLe32(header + KMB_VERSION_OFFSET) != FILE_VERSION)
        why = "not a data file of this version";
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

std::string NothingAddedWarnings(const std::string& chipText, const SYSTEMTIME& today) {
    std::string warnings;
    std::vector<std::string> named; // a path of the next year once, however it was named
    bool nextYear = false;
    const auto warn = [&](const std::string& path, const char* why) {
        for (std::size_t i = 0; nextYear && i < named.size(); ++i)
            if (named[i] == path)
                return;
        named.push_back(path);
        warnings += "koyomihost: warning: " + path + ": " + why + "; it adds nothing\n";
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
                warn(tooLong[told].path, "longer than 259 bytes");
            if (!more)
                break;
            if (const char* why = WhyNothing(line))
                warn(line, why);
        }
    }
    return warnings;
}
