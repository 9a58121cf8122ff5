// The legacy text import: fields, codes, the scanning and stopping rules, text-mode reading,
// and the line at which an import stopped.
#include "DataTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST_F(LegacyImport, EdgeCasesOfTheFormat) {
    Check({
        {"payday", "4 0 25 0 0 0 10 給料日\n", {RawEntry(0, 25, 0, 0, 0x0403, "給料日")}, 0},
        {"coming-of-age day",
         "24 1 0 0 0 22 1 成人の日\n",
         {RawEntry(0x10, 0, 0, 2, DT_MONTHLY | (2 << DF_WEEK_SHIFT) | DF_HOLIDAY, "成人の日")},
         0},
        {"quoted name keeps its space", "0 1 1 0 0 0 0 \"元 日\"\n", {Jan1("元 日")}, 0},
        {"unquoted name ends at the space, the rest ignored",
         "0 1 1 0 0 0 0 元 日 and more\n0 1 1 0 0 0 0 b\n",
         {Jan1("元"), Jan1("b")},
         0},
        {"comment, blank line and a line cut by # are skipped",
         "# comment\n\n0 1 1 # no more fields\n0 1 1 0 0 0 0 a\n",
         {Jan1("a")},
         0},
        {"seven fields stop the import",
         "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0\n0 1 1 0 0 0 0 c\n",
         {Jan1("a")},
         2},
        {"last line of three fields without a line feed is dropped",
         "0 1 1 0 0 0 0 a\n0 1 1",
         {Jan1("a")},
         0},
        {"month 13 is dropped, the entry stays",
         "0 13 1 0 0 0 0 a\n",
         {RawEntry(0x00, 1, 0, 0, DT_DAY, "a")},
         0},
        {"type code 8 stops", "0 1 1 0 0 0 0 a\n8 1 1 0 0 0 0 b\n", {Jan1("a")}, 2},
        {"empty file", "", {}, 0},
        {"only a blank line", "\n", {}, 0},
        {"a line of spaces stops (its line feed is a field)", "   \n0 1 1 0 0 0 0 a\n", {}, 1},
        {"tabs and runs of spaces separate", "0\t1  1\t \t0 0 0 0\t\tx\n", {Jan1("x")}, 0},
        {"name cut at 127 bytes",
         "0 1 1 0 0 0 0 " + std::string(300, 'n') + "\n",
         {Jan1(std::string(127, 'n'))},
         0},
        {"empty quoted name gives an empty name", "0 1 1 0 0 0 0 \"\"\n", {Jan1("")}, 0},
        {"end month and day",
         "10 8 13 8 16 0 1 夏休み\n",
         {RawEntry(0x88, 13, 16, 0, DT_PERIOD | DF_HOLIDAY, "夏休み")},
         0},
    });
}

TEST_F(LegacyImport, TypeCodesReplaceTheFlagsWord) {
    const struct {
        int code;
        unsigned flags;
    } codes[] = {
        {0, DT_DAY},
        {1, DT_WEEKLY},
        {2, DT_BIWEEKLY | DF_ODD},
        {3, DT_BIWEEKLY},
        {4, DT_MONTHLY},
        {5, DT_BIMONTHLY | DF_ODD},
        {6, DT_BIMONTHLY},
        {7, DT_MONTHLY | DF_LAST},
        {10, DT_PERIOD},
        {24, DT_MONTHLY | (1 << DF_WEEK_SHIFT)},
        {25, DT_BIMONTHLY | DF_ODD | (1 << DF_WEEK_SHIFT)},
        {26, DT_BIMONTHLY | (1 << DF_WEEK_SHIFT)},
        {31, DT_QUARTER1},
        {32, DT_QUARTER2},
        {33, DT_QUARTER3},
        {51, DT_QUARTER1 | (1 << DF_WEEK_SHIFT)},
        {52, DT_QUARTER2 | (1 << DF_WEEK_SHIFT)},
        {53, DT_QUARTER3 | (1 << DF_WEEK_SHIFT)},
    };
    std::vector<ImportCase> cases;
    for (const auto& c : codes) {
        // Weekday code 3: weekday 3 for every type; the nth types keep week 1 (tens digit 0 is
        // refused by nothing: SetWeek(0) clears it).
        const std::string line = std::to_string(c.code) + " 0 0 0 0 3 0 x\n";
        unsigned flags = c.flags;
        if (flags & DF_WEEK_MASK)
            flags &= ~DF_WEEK_MASK; // the tens digit 0 goes through SetWeek
        cases.push_back({"type code", line, {RawEntry(0, 0, 0, 3, flags, "x")}, 0});
        // With a tens digit 5 the nth types get week 5, the others ignore it.
        const std::string fifth = std::to_string(c.code) + " 0 0 0 0 53 0 x\n";
        const unsigned flags5 = (c.flags & DF_WEEK_MASK) ? (flags | (5 << DF_WEEK_SHIFT)) : flags;
        cases.push_back({"type code, week 5", fifth, {RawEntry(0, 0, 0, 3, flags5, "x")}, 0});
    }
    for (int bad : {8, 9, 11, 23, 27, 30, 34, 50, 54, 99, -1, -4})
        cases.push_back({"undefined type code",
                         "0 1 1 0 0 0 0 a\n" + std::to_string(bad) + " 0 0 0 0 0 0 x\n",
                         {Jan1("a")},
                         2});
    Check(cases);
}

TEST_F(LegacyImport, HolidayCodesAddBits) {
    const struct {
        int code;
        unsigned bits;
    } codes[] = {
        {0, 0},
        {1, DF_HOLIDAY},
        {10, DF_SHIFT_SUN_HOL},
        {11, DF_SHIFT_SAT_SUN_HOL},
        {12, DF_SHIFT_SUN_HOL | DF_SHIFT_LATER},
        {13, DF_SHIFT_SAT_SUN_HOL | DF_SHIFT_LATER},
        {14, DF_PAYDAY_SHIFT},
        {15, DF_PAYDAY_SHIFT | DF_SHIFT_SAT_SUN_HOL},
    };
    std::vector<ImportCase> cases;
    for (const auto& c : codes)
        cases.push_back({"holiday code",
                         "5 0 10 0 0 0 " + std::to_string(c.code) + " x\n",
                         {RawEntry(0, 10, 0, 0, DT_BIMONTHLY | DF_ODD | c.bits, "x")},
                         0});
    for (int bad : {2, 9, 16, 100, -1})
        cases.push_back(
            {"undefined holiday code", "0 1 1 0 0 0 " + std::to_string(bad) + " x\n", {}, 1});
    Check(cases);
}

TEST_F(LegacyImport, NumbersAreStrtolsWholeFieldWithin32Bits) {
    Check({
        {"sign and leading zeros",
         "+4 007 +25 00 0 0 010 x\n",
         {RawEntry(0x70, 25, 0, 0, 0x0403, "x")},
         0},
        {"minus zero is zero", "-0 1 1 0 0 0 0 x\n", {Jan1("x")}, 0},
        {"negative values are dropped",
         "10 -1 -5 -2 -3 -4 0 x\n",
         {RawEntry(0, 0, 0, 0, DT_PERIOD, "x")},
         0},
        {"largest 32-bit value is dropped by the setter",
         "0 2147483647 1 0 0 0 0 x\n",
         {RawEntry(0, 1, 0, 0, DT_DAY, "x")},
         0},
        {"smallest 32-bit value is dropped",
         "0 -2147483648 1 0 0 0 0 x\n",
         {RawEntry(0, 1, 0, 0, DT_DAY, "x")},
         0},
        {"2^31 fails the conversion",
         "0 1 1 0 0 0 0 a\n0 2147483648 1 0 0 0 0 x\n",
         {Jan1("a")},
         2},
        {"below -2^31 fails", "0 1 1 0 0 0 0 a\n0 -2147483649 1 0 0 0 0 x\n", {Jan1("a")}, 2},
        {"2^32 + 1 fails (no wrap to 1)", "0 4294967297 1 0 0 0 0 x\n", {}, 1},
        {"far beyond 64 bits fails", "0 99999999999999999999999 1 0 0 0 0 x\n", {}, 1},
        {"trailing letters fail", "0 1x 1 0 0 0 0 x\n", {}, 1},
        {"hex is not decimal", "0 0x1 1 0 0 0 0 x\n", {}, 1},
        {"a lone sign fails", "0 + 1 0 0 0 0 x\n", {}, 1},
        {"a form feed before a number is white space to strtol",
         "0 \f1 1 0 0 0 0 x\n",
         {Jan1("x")},
         0},
        {"weekday units 8 and 9 are dropped",
         "1 0 0 0 0 8 0 a\n1 0 0 0 0 19 0 b\n",
         {RawEntry(0, 0, 0, 0, DT_WEEKLY, "a"), RawEntry(0, 0, 0, 0, DT_WEEKLY, "b")},
         0},
        {"week above 5 is dropped and week 1 stays",
         "24 1 0 0 0 62 1 x\n",
         {RawEntry(0x10, 0, 0, 2, DT_MONTHLY | (1 << DF_WEEK_SHIFT) | DF_HOLIDAY, "x")},
         0},
        {"negative weekday code is dropped whole",
         "24 1 0 0 0 -22 0 x\n1 0 0 0 0 -3 0 y\n",
         {RawEntry(0x10, 0, 0, 0, DT_MONTHLY | (1 << DF_WEEK_SHIFT), "x"),
          RawEntry(0, 0, 0, 0, DT_WEEKLY, "y")},
         0},
        {"day 31 kept, 32 dropped",
         "4 0 31 0 32 0 0 x\n",
         {RawEntry(0, 31, 0, 0, DT_MONTHLY, "x")},
         0},
    });
}

TEST_F(LegacyImport, QuotesOnlyInTheNameAndTheHashRules) {
    Check({
        {"a quote in a number field is a character", "0 \"1\" 1 0 0 0 0 x\n", {}, 1},
        {"a quote inside the name toggles", "0 1 1 0 0 0 0 a\"b c\"d\n", {Jan1("ab cd")}, 0},
        {"unclosed quote stops", "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 \"abc\n", {Jan1("a")}, 2},
        {"a tab separates even inside quotes", "0 1 1 0 0 0 0 \"a\tb\"\n", {Jan1("a")}, 0},
        {"# after name text completes the name", "0 1 1 0 0 0 0 a#b\n", {Jan1("a")}, 0},
        {"# after number text completes the field", "0 1#1 0 0 0 0 a\n", {Jan1("a")}, 0},
        {"# inside quotes after text stops",
         "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 \"a#b\"\n",
         {Jan1("a")},
         2},
        {"# inside quotes with nothing pending ends the line quietly",
         "0 1 1 0 0 0 0 \"#x\"\n0 1 1 0 0 0 0 b\n",
         {Jan1("b")},
         0},
        {"# after the eighth field ends the line", "0 1 1 0 0 0 0 a # note\n", {Jan1("a")}, 0},
        {"# at the start of the line", "#0 1 1 0 0 0 0 a\n", {}, 0},
        {"a space before # at the start is no comment but an empty field",
         " # x\n0 1 1 0 0 0 0 a\n",
         {Jan1("a")},
         0},
    });
}

TEST_F(LegacyImport, ReadsLikeWindowsTextMode) {
    std::string longName(1009, 'a');
    Check({
        {"CR LF ends a line",
         "0 1 1 0 0 0 0 元日\r\n0 2 11 0 0 0 1 建国\r\n",
         {Jan1("元日"), RawEntry(0x20, 11, 0, 0, DF_HOLIDAY, "建国")},
         0},
        {"a lone CR is a character", "0 1 1 0 0 0 0 a\rb\n", {Jan1("a\rb")}, 0},
        {"CR CR LF keeps one CR", "0 1 1 0 0 0 0 x\r\r\n", {Jan1("x\r")}, 0},
        {"0x1A ends the file",
         "0 1 1 0 0 0 0 a\n\x1A"
         "0 1 1 0 0 0 0 b\n",
         {Jan1("a")},
         0},
        {"0x1A inside a line ends it and the file",
         "0 1 1 0 0 0 0 ab\x1A"
         "cd\n0 1 1 0 0 0 0 e\n",
         {Jan1("ab")},
         0},
        {"CR before 0x1A", "0 1 1 0 0 0 0 ab\r\x1A\n", {Jan1("ab\r")}, 0},
        {"a NUL hides the rest of the read, line feed included",
         std::string("0 1 1 0 0 0 0 ab\0cd\n0 1 1 0 0 0 0 e\n", 35),
         {Jan1("ab"), Jan1("e")},
         0},
        {"a NUL in a number field drops the line",
         std::string("0 1\0 1 0 0 0 0 a\n0 1 1 0 0 0 0 e\n", 33),
         {Jan1("e")},
         0},
        {"a NUL at the start of a line skips it",
         std::string("\0"
                     "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 e\n",
                     33),
         {Jan1("e")},
         0},
        {"a line of 1023 bytes with its line feed is read in two pieces",
         "0 1 1 0 0 0 0 " + longName + "\n",
         {Jan1(std::string(127, 'a'))},
         0},
        {"the second piece of a long line is a line of its own",
         "0 1 1 0 0 0 0 " + longName + "0 2 2 0 0 0 0 b\n",
         {Jan1(std::string(127, 'a')), RawEntry(0x20, 2, 0, 0, 0, "b")},
         0},
        {"the second piece normally stops, at the long line's number",
         "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 " + longName + "bcd\n0 1 1 0 0 0 0 c\n",
         {Jan1("a"), Jan1(std::string(127, 'a'))},
         2},
        {"a NUL in the first piece does not hide the second",
         "0 1 1 0 0 0 0 x" + std::string(1, '\0') + std::string(1007, 'z') + "0 2 2 0 0 0 0 b\n",
         {Jan1("x"), RawEntry(0x20, 2, 0, 0, 0, "b")},
         0},
    });
}

TEST_F(LegacyImport, StopLineCountsEveryPhysicalLine) {
    Check({
        {"after comments and blanks",
         "# c\n\n0 1 1 0 0 0 0 a\r\n\r\n9 1 1 0 0 0 0 b\n",
         {Jan1("a")},
         5},
        {"first line", "x\n", {}, 1},
        {"last line without a line feed", "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 \"b", {Jan1("a")}, 2},
        {"a quiet drop is no stop", "0 1 1\n", {}, 1},
    });
}

} // namespace
