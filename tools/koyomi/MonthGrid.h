// A month as a grid of weeks from Sunday, in the manner of cal, with the days that have
// entries marked. Code page 932 text: each byte takes one terminal cell, so the full-width
// characters, two bytes each, take two, and counting bytes lines the columns up.
#pragma once

#include <string>

enum DayMark : unsigned char { MARK_NONE = 0, MARK_ENTRY = 1, MARK_HOLIDAY = 2 };

// The heading "2027年1月", the weekday heads 日 月 火 水 木 金 土 and a line per week; a
// holiday's day in brackets, a day with other entries followed by "*". marks[d] is day d's
// marks (MARK_ENTRY | MARK_HOLIDAY). With color, holidays and Sundays are red (ANSI).
std::string MonthGrid(unsigned year, unsigned month, const unsigned char marks[32], bool color);
