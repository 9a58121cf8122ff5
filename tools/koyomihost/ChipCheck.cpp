#include "tools/koyomihost/ChipCheck.h"

#include "data/KmbLayout.h"

#include <windows.h>

#include <vector>

namespace {
// The plug-in reads a line into 260 bytes with the NUL and drops a longer one whole.
constexpr std::size_t kLineMax = 259;

std::vector<std::string> ChipPaths(const std::string& chipText, unsigned year) {
    const std::string digits = std::to_string(year);
    std::vector<std::string> paths;
    std::string line;
    bool start = true;
    for (std::size_t i = 0; i <= chipText.size(); ++i) {
        const char c = i < chipText.size() ? chipText[i] : '\n';
        if (c == '\r' || c == '\n') {
            if (!line.empty())
                paths.push_back(line);
            line.clear();
            start = true;
        } else if (c == '\t' && start) {
            continue;
        } else if (c == '%' && (chipText.compare(i, 6, "%year%") == 0 ||
                                chipText.compare(i, 6, "%YEAR%") == 0)) {
            line += digits;
            i += 5;
            start = false;
        } else {
            line += c;
            start = false;
        }
    }
    return paths;
}

const char* WhyNothing(const std::string& line) {
    if (line.size() > kLineMax)
        return "longer than 259 bytes";
    // A line wrapped whole in double quotes names the path inside them.
    const bool quoted = line.size() >= 3 && line.front() == '"' && line.back() == '"';
    const std::string path = quoted ? line.substr(1, line.size() - 2) : line;
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
} // namespace

std::string NothingAddedWarnings(const std::string& chipText, unsigned year) {
    std::string warnings;
    for (const std::string& path : ChipPaths(chipText, year))
        if (const char* why = WhyNothing(path))
            warnings += "koyomihost: warning: " + path + ": " + why + "; it adds nothing\n";
    return warnings;
}
