// The values koyomi's options and operands take, all read by one number parser.
#pragma once

#include "platform/Platform.h"

#include <string>

// The first year a date on the command line may have: the first a Windows SYSTEMTIME takes.
// The last is LAST_YEAR, the last that four digits print.
constexpr unsigned FIRST_DATE_YEAR = 1601;

// The whole of text as a decimal number: digits only, at least one, a value that fits.
bool ParseNumber(const std::string& text, unsigned& value);
// Numbers at fixed places: each run of 'N' in pattern is a number of exactly that many digits
// and goes to the next of fields; any other character stands for itself ("NN:NN").
bool ParseFields(const std::string& text, const char* pattern, unsigned* fields);

// YYYY-MM-DD, a real date of the years FIRST_DATE_YEAR to LAST_YEAR. The weekday comes from
// the calendar.
bool ParseDate(const std::string& text, SYSTEMTIME& out);
// YYYY-MM of the same years.
bool ParseMonth(const std::string& text, unsigned& year, unsigned& month);
// HH:MM of 00:00-23:59, as minutes after midnight.
bool ParseTime(const std::string& text, unsigned& minutes);
