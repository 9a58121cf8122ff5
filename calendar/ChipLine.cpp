#include "calendar/ChipLine.h"

#include "platform/Platform.h"

#include <cstring>

namespace {
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n' || c == 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The "*N" that ends a line to ask for N days of notice (1-31, one or two ASCII digits, a
// path before it): its length, 0 when the line ends otherwise and is a path as it stands. No
// Windows path holds a "*", and neither it nor a digit is ever the second byte of a code page
// 932 character, so no line that names a file changes meaning.
unsigned NoticeSuffix(const char* line, unsigned length, unsigned& days) {
    unsigned digits = 0;
    while (digits < length && digits < 3 && IsDigit(line[length - 1 - digits]))
        ++digits;
    if (digits == 0 || digits > 2 || length < digits + 2 || line[length - 1 - digits] != '*')
        return 0;
    const unsigned value = digits == 1 ? line[length - 1] - '0'
                                       : (line[length - 2] - '0') * 10u + (line[length - 1] - '0');
    if (value < 1 || value > MAX_NOTICE_DAYS)
        return 0;
    days = value;
    return digits + 1;
}
} // namespace

bool NextChipLine(unsigned& pos, char* line, unsigned year, const char* chipText, unsigned length,
                  unsigned& notice, std::vector<SkippedFile>* skipped) {
    char year4[16];
    const int yearLen = wsprintfA(year4, "%d", static_cast<int>(year));
    while (pos < length) {
        while (pos < length &&
               (chipText[pos] == '\r' || chipText[pos] == '\n' || chipText[pos] == '\t'))
            ++pos;
        const unsigned lineStart = pos;
        unsigned lineEnd = pos;
        while (!IsLineEnd(chipText[lineEnd]))
            ++lineEnd;
        unsigned days = 0;
        // The limit of a path applies to the path part alone.
        const unsigned pathEnd =
            lineEnd - NoticeSuffix(chipText + lineStart, lineEnd - lineStart, days);
        int n = 0;
        bool fits = true;
        while (pos < pathEnd && fits) {
            // A placeholder holds no "*", so none runs into the suffix.
            const bool placeholder =
                chipText[pos] == '%' && (std::strncmp(chipText + pos, "%YEAR%", 6) == 0 ||
                                         std::strncmp(chipText + pos, "%year%", 6) == 0);
            const int add = placeholder ? yearLen : 1;
            fits = n + add <= MEMO_LINE_SIZE - 1;
            if (fits)
                std::memcpy(line + n, placeholder ? year4 : chipText + pos, add);
            n += add;
            pos += placeholder ? 6 : 1;
        }
        pos = lineEnd;
        if (!fits) {
            line[0] = 0; // over-long: no file is opened under a cut path
            if (skipped)
                skipped->push_back(
                    {std::string(chipText + lineStart, lineEnd - lineStart), LOAD_PATH_TOO_LONG});
            continue;
        }
        // A path wrapped whole in double quotes (as Windows copies a path) names the path
        // inside them: no Windows path can hold a quote, so no working line changes meaning.
        if (n >= 3 && line[0] == '"' && line[n - 1] == '"') {
            n -= 2;
            std::memmove(line, line + 1, static_cast<std::size_t>(n));
        }
        line[n] = 0;
        notice = days;
        return n > 0;
    }
    return false;
}

bool NextDataFileName(unsigned& pos, char* line, unsigned year, const char* chipText,
                      unsigned* notice, std::vector<SkippedFile>* skipped) {
    if (!chipText || !line)
        return false;
    unsigned days = 0;
    const bool named = NextChipLine(pos, line, year, chipText,
                                    static_cast<unsigned>(std::strlen(chipText)), days, skipped);
    if (notice)
        *notice = days;
    return named;
}
