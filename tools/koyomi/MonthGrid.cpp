#include "tools/koyomi/MonthGrid.h"

#include "calendar/Calendar.h"

#include <cstdio>

namespace {
constexpr std::size_t CELL = 5; // "[11]*": bracket, two digits, bracket, mark
const char kRed[] = "\x1b[31m";
const char kReset[] = "\x1b[0m";

void Trim(std::string& line) {
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
}
} // namespace

std::string MonthGrid(unsigned year, unsigned month, const unsigned char marks[32], bool color) {
    char heading[32];
    const int width = std::snprintf(heading, sizeof heading, "%u年%u月", year, month);
    std::string out(width > 0 && CELL * 7 > static_cast<std::size_t>(width)
                        ? (CELL * 7 - static_cast<std::size_t>(width)) / 2
                        : 0,
                    ' ');
    out += heading;
    out += '\n';

    std::string line;
    for (unsigned w = 0; w < 7; ++w) {
        const bool red = color && w == 0;
        line += std::string(" ") + (red ? kRed : "") + WeekdayName(w) + (red ? kReset : "") + "  ";
    }
    Trim(line);
    out += line + '\n';

    const unsigned first = DayOfWeek(year, month, 1);
    line.assign(CELL * first, ' ');
    const unsigned last = DaysInMonth(year, month);
    for (unsigned d = 1; d <= last; ++d) {
        const unsigned weekday = (first + d - 1) % 7;
        const bool holiday = marks[d] & MARK_HOLIDAY;
        const bool red = color && (holiday || weekday == 0);
        char cell[8];
        std::snprintf(cell, sizeof cell, "%c%2u%c", holiday ? '[' : ' ', d, holiday ? ']' : ' ');
        line += std::string(red ? kRed : "") + cell + (red ? kReset : "");
        line += (marks[d] & MARK_ENTRY) ? '*' : ' ';
        if (weekday == 6 || d == last) {
            Trim(line);
            out += line + '\n';
            line.clear();
        }
    }
    return out;
}
