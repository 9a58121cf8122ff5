#include "tools/koyomi/ArgValues.h"

#include "calendar/Calendar.h"

#include <climits>
#include <cstring>

bool ParseNumber(const std::string& text, unsigned& value) {
    value = 0;
    for (char c : text) {
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (c < '0' || c > '9' || value > (UINT_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return !text.empty();
}

bool ParseFields(const std::string& text, const char* pattern, unsigned* fields) {
    if (text.size() != std::strlen(pattern))
        return false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t width = std::strspn(pattern + at, "N");
        if (width == 0 ? text[at] != pattern[at] : !ParseNumber(text.substr(at, width), *fields++))
            return false;
        at += width == 0 ? 1 : width;
    }
    return true;
}

bool ParseDate(const std::string& text, SYSTEMTIME& out) {
    unsigned f[3];
    if (!ParseFields(text, "NNNN-NN-NN", f) || f[0] < FIRST_DATE_YEAR || f[1] < 1 || f[1] > 12 ||
        f[2] < 1 || f[2] > DaysInMonth(f[0], f[1]))
        return false;
    out = MakeDate(f[0], f[1], f[2]);
    return true;
}

bool ParseMonth(const std::string& text, unsigned& year, unsigned& month) {
    unsigned f[2];
    if (!ParseFields(text, "NNNN-NN", f) || f[0] < FIRST_DATE_YEAR || f[1] < 1 || f[1] > 12)
        return false;
    year = f[0];
    month = f[1];
    return true;
}

bool ParseTime(const std::string& text, unsigned& minutes) {
    unsigned f[2];
    if (!ParseFields(text, "NN:NN", f) || f[0] > 23 || f[1] > 59)
        return false;
    minutes = f[0] * 60 + f[1];
    return true;
}
