#include "tools/koyomi/ChipArgs.h"
#include "tools/koyomi/Common.h"
#include "tools/koyomi/Output.h"

#include "calendar/Calendar.h"
#include "data/ChipFile.h"

#include <cstdio>
#include <cstring>

namespace {
bool ParseNumber(const char* p, int digits, unsigned& out) {
    out = 0;
    for (int i = 0; i < digits; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        out = out * 10 + static_cast<unsigned>(p[i] - '0');
    }
    return true;
}
} // namespace

bool ParseDate(const char* text, SYSTEMTIME& out) {
    unsigned y, m, d;
    if (std::strlen(text) != 10 || text[4] != '-' || text[7] != '-' || !ParseNumber(text, 4, y) ||
        !ParseNumber(text + 5, 2, m) || !ParseNumber(text + 8, 2, d))
        return false;
    if (y < 1601 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return false;
    out = MakeDate(y, m, d);
    return true;
}

bool ReadChipFile(const std::string& path, std::string& chip, std::string& folder) {
    ChipFileText file;
    OpenFailure why = OPEN_OK;
    if (!::ReadChipFile(path.c_str(), file, why)) {
        Tell("koyomi: " + Msg(MSG_CHIP_UNREADABLE, {SystemToUtf8(path), OpenFailureText(why)}));
        return false;
    }
    chip.swap(file.text);
    folder = FolderOf(path);
    return true;
}

std::string ChipFromPaths(const std::vector<std::string>& paths) {
    std::string chip;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i != 0)
            chip += "\r\n";
        chip += paths[i];
    }
    return chip;
}

// "--opt VALUE" or "--opt=VALUE"; false when argv[i] is not that option.
bool TakeValue(int argc, char** argv, int& i, const char* name, std::string& value) {
    const std::size_t n = std::strlen(name);
    if (std::strncmp(argv[i], name, n) != 0 || (argv[i][n] != 0 && argv[i][n] != '='))
        return false;
    if (argv[i][n] == '=')
        value = argv[i] + n + 1;
    else
        value = i + 1 < argc ? argv[++i] : "";
    return true;
}
