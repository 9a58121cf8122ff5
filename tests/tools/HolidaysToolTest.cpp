// koyomi holidays end to end: the files it writes read back as the holidays of the year, in
// both formats; bad years write nothing; the files do their work in a chip.
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "calendar/JapanHolidays.h"
#include "calendar/KmdDataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The file holds exactly the year's days off, as 当日 holiday entries in date order.
void ExpectHolidaysOf(unsigned year, CKmdDataFile& file) {
    std::vector<JapanHoliday> days;
    JapanHolidays(year, days);
    ASSERT_EQ(static_cast<int>(days.size()), file.GetCount()) << year;
    for (std::size_t i = 0; i < days.size(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        EXPECT_EQ(DT_DAY | DF_HOLIDAY, e.GetFlags().GetWord());
        EXPECT_EQ(days[i].month, e.GetStartMonth());
        EXPECT_EQ(days[i].day, e.GetStartDay());
        EXPECT_STREQ(days[i].name, e.NameField());
    }
}
} // namespace

TEST(KoyomiHolidays, BinaryAndTextFilesHoldTheYear) {
    const std::string dir = FreshDir("holidays_write");
    const ToolRun r = RunKoyomi(dir, "holidays 2019");
    ASSERT_EQ(0, r.status);
    // It says what it wrote.
    std::vector<JapanHoliday> days;
    JapanHolidays(2019, days);
    EXPECT_EQ(Redirected("wrote holidays-2019.kmb: " + std::to_string(days.size()) +
                         " days off in 2019\n"),
              r.out);
    CKmdDataFile file;
    ASSERT_TRUE(file.Read((dir + "/holidays-2019.kmb").c_str()));
    ExpectHolidaysOf(2019, file);

    // The legacy text imports to the same entries; comment header, CR LF line ends.
    ASSERT_EQ(0, RunKoyomi(dir, "holidays --text 2019").status);
    const std::string text = ReadBytes(dir + "/holidays-2019.kmd");
    EXPECT_EQ("# 2019年", text.substr(0, 8));
    const std::string newYear = "0\t1\t1\t0\t0\t0\t1\t元日\r\n";
    EXPECT_EQ(newYear, text.substr(text.find("\r\n0\t") + 2, newYear.size()));
    for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1))
        ASSERT_EQ('\r', text[p - 1]);
    ASSERT_TRUE(file.ImportText((dir + "/holidays-2019.kmd").c_str()));
    EXPECT_EQ(0u, file.GetLoadReport().importStopLine);
    ExpectHolidaysOf(2019, file);

    // A named OUT, and over an existing file the old one is kept as the backup.
    const std::string first = ReadBytes(dir + "/holidays-2019.kmb");
    ASSERT_EQ(0, RunKoyomi(dir, "holidays 2020 holidays-2019.kmb").status);
    EXPECT_EQ(first, ReadBytes(dir + "/holidays-2019.bak"));
    ASSERT_TRUE(file.Read((dir + "/holidays-2019.kmb").c_str()));
    ExpectHolidaysOf(2020, file);
}

TEST(KoyomiHolidays, RangeWritesOneFilePerYear) {
    const std::string dir = FreshDir("holidays_range");
    FreshDir("holidays_range/out");
    ASSERT_EQ(0, RunKoyomi(dir, "holidays --from 2026 --to=2028 out").status);
    for (unsigned y = 2026; y <= 2028; ++y) {
        CKmdDataFile file;
        ASSERT_TRUE(file.Read((dir + "/out/holidays-" + std::to_string(y) + ".kmb").c_str()));
        ExpectHolidaysOf(y, file);
    }
    EXPECT_FALSE(Exists(dir + "/out/holidays-2029.kmb"));
}

TEST(KoyomiHolidays, BadYearsExitTwoAndWriteNothing) {
    const std::string dir = FreshDir("holidays_bad");
    for (const char* args :
         {"1999", "2100", "abc", "20x6", "-2026", "", "2026 a.kmb b.kmb", "--from 2026",
          "--from 2098 --to 2100", "--from 2030 --to 2029", "--text 0", "--week 2026"}) {
        const ToolRun r = RunKoyomi(dir, std::string("holidays ") + args);
        EXPECT_EQ(2, r.status) << args;
        EXPECT_NE(std::string::npos, r.err.find("koyomi holidays: ")) << args;
    }
    for (const char* name : {"1999", "2026", "2030", "2098", "0"})
        EXPECT_FALSE(Exists(dir + "/holidays-" + name + ".kmb") ||
                     Exists(dir + "/holidays-" + name + ".kmd"))
            << name;
    EXPECT_FALSE(Exists(dir + "/a.kmb"));
    // A file that cannot be written is a failure, not a usage error, and the message says why.
    const ToolRun r = RunKoyomi(dir, "holidays 2026 no-such-folder/h.kmb");
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(Redirected("koyomi holidays: cannot write no-such-folder/h.kmb: no such folder\n"),
              r.err);
    const ToolRun help = RunKoyomi(dir, "holidays --help");
    EXPECT_EQ(0, help.status);
    for (const char* words : {"as of 2026", "koyomi holidays 2027", "--from YEAR --to YEAR"})
        EXPECT_NE(std::string::npos, help.out.find(words)) << words;
}

#ifndef _WIN32
// The 25th payday moves only over weekends (no holiday falls on the 24th-26th), so the
// 振替休日 shows in the month-end file's expense deadline on the 5th, "next weekday when off":
// こどもの日 and the 振替休日 after it move it to the 7th.
TEST(KoyomiHolidays, GeneratedYearMovesDeadlinesOffSubstituteHolidays) {
    const std::string examples = BinPath("../examples");
    if (!Exists(examples + "/payday.kmb"))
        GTEST_SKIP() << "examples not built";
    const std::string dir = FreshDir("holidays_chip");
    for (const char* f : {"payday.kmb", "closing.kmb"})
        WriteBytes(dir + "/" + f, ReadBytes(examples + "/" + f));
    ASSERT_EQ(0, RunKoyomi(dir, "holidays --from 2024 --to 2026").status);
    WriteBytes(dir + "/chip.txt", "holidays-%year%.kmb\r\npayday.kmb\r\nclosing.kmb");
    const struct {
        const char* date;
        const char* text;
    } days[] = {
        {"2024-05-06", u8"今日は、2024/05/06 月曜日です。\n\n振替休日\n"},
        {"2024-05-07", u8"今日は、2024/05/07 火曜日です。\n\n経費精算の締切\n"},
        {"2026-05-07", u8"今日は、2026/05/07 木曜日です。\n\n経費精算の締切\n"},
        {"2025-11-25", u8"今日は、2025/11/25 火曜日です。\n\n給料日\n"},
        {"2026-09-22", u8"今日は、2026/09/22 火曜日です。\n\n国民の休日\n"},
    };
    for (const auto& d : days) {
        const std::string when = std::string(d.date);
        EXPECT_EQ(d.text, RunKoyomi(dir, "--now " + when + " --chip chip.txt").out) << when;
    }
}
#endif
