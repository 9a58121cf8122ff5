// koyomi's main mode end to end: the real program on real files, compared byte for byte
// with what the generator hands the host.
#include "calendar/DayText.h"
#include "DayModel.h"
#include "KmbBuilder.h"
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "data/KmdDateFlags.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class DayText : public ::testing::Test {
protected:
    void SetUp() override {
        dir = FreshDir("daytext");
        WriteBytes(dir + "/a.kmb", KmbBytes({{0, 2, 0, 0, DT_MONTHLY, "給料日"},
                                             {0, 0, 0, 3, DT_WEEKLY, "燃えるゴミ"},
                                             {0, 2, 0, 0, DT_MONTHLY, ""}}));
        // The second Monday of January is a holiday; the deadline on 12 January moves off it.
        WriteBytes(
            dir + "/h.kmb",
            KmbBytes({{1 << 4, 0, 0, 2, DT_MONTHLY | (2 << DF_WEEK_SHIFT) | DF_HOLIDAY, "成人の日"},
                      {1 << 4, 12, 0, 0, DT_DAY | DF_SHIFT_SUN_HOL, "締切"}}));
    }
    std::string dir;
};
} // namespace

TEST_F(DayText, RawIsExactlyWhatTheHostGets) {
    const ToolRun r = RunKoyomi(dir, "--raw --now 2026-06-01 --date 2004-03-02 a.kmb a.kmb");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("今日は、2004/03/02 火曜日です。\n\r\n給料日\r\n燃えるゴミ\r\n給料日\r\n燃えるゴミ",
              r.out);
    // The PATH arguments are one chip-text line each, joined with CR LF.
    const std::string chip = dir + "/a.kmb\r\n" + dir + "/a.kmb";
    EXPECT_EQ(InProcess(chip, MakeDate(2004, 3, 2), MakeDate(2026, 6, 1)),
              RunKoyomi(".", "--raw --now 2026-06-01 --date 2004-03-02 " + dir + "/a.kmb " + dir +
                                 "/a.kmb")
                  .out);
}

// A line asking for notice, as an argument (quoted for the shell) and in a chip file; a
// suffix out of range is a path, named among the lines that add nothing.
TEST_F(DayText, NoticeLinesAreTheEnginesAndABadSuffixIsAPath) {
    const std::string shown =
        "今日は、2004/03/01 月曜日です。\n\r\nなし\r\n明日：給料日\r\n明日：燃えるゴミ";
    const ToolRun r =
        RunKoyomi(dir, "--raw --now 2026-06-01 --date 2004-03-01 \"a.kmb*2\" a.kmb*0");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(shown, r.out);
    EXPECT_EQ(Redirected("koyomi: warning: a.kmb*0: no such file in " + FolderSeen(dir) +
                         "; it adds nothing\n"),
              r.err);
    WriteBytes(dir + "/notice.txt", "a.kmb*2\r\n");
    EXPECT_EQ(shown,
              RunKoyomi(dir, "--raw --now 2026-06-01 --date 2004-03-01 --chip notice.txt").out);
    EXPECT_EQ(InProcess(dir + "/a.kmb*31", MakeDate(2027, 12, 20), MakeDate(2027, 12, 20)),
              RunKoyomi(".", "--raw --now 2027-12-20 " + dir + "/a.kmb*31").out);
}

TEST_F(DayText, ChipFileBytesAreUsedAsGiven) {
    // CR-only line ends, a blank line, a leading tab and the year placeholder.
    WriteBytes(dir + "/h2027.kmb", ReadBytes(dir + "/h.kmb"));
    const std::string chip = "\r\r\ta.kmb\rh%year%.kmb\n";
    WriteBytes(dir + "/chip.txt", chip);
    const ToolRun r = RunKoyomi(dir, "--raw --now 2027-01-11 --chip chip.txt");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("今日は、2027/01/11 月曜日です。\n\r\n成人の日", r.out);
    const ToolRun none = RunKoyomi(dir, "--raw --now 2027-01-13 --chip chip.txt");
    EXPECT_EQ("今日は、2027/01/13 水曜日です。\n\r\nなし", none.out);
    // No chip text at all: the plug-in's error text.
    EXPECT_EQ("データファイル読み込みエラー", RunKoyomi(".", "--raw --date 2027-01-13").out);
}

TEST_F(DayText, NowSetsTheDefaultDateAndTheHolidayYear) {
    // Clock in 2026: this year's table marks 12 January, so the deadline of 12 January 2027
    // moves back to the 11th.
    EXPECT_EQ("今日は、2027/01/11 月曜日です。\n\r\n成人の日\r\n締切",
              RunKoyomi(dir, "--raw --now 2026-06-01 --date 2027-01-11 h.kmb").out);
    // Clock in 2027: the 11th is the holiday and the deadline stays on the 12th.
    EXPECT_EQ("今日は、2027/01/11 月曜日です。\n\r\n成人の日",
              RunKoyomi(dir, "--raw --now 2027-01-11 h.kmb").out);
    EXPECT_EQ("今日は、2027/01/12 火曜日です。\n\r\n締切",
              RunKoyomi(dir, "--raw --now=2027-01-12 h.kmb").out);
}

// Text to a file or pipe, warnings quoting a path included: UTF-8 natively; on Windows the
// ANSI code page (932 here) with CR LF, or UTF-8 with CR LF for --utf8.
TEST_F(DayText, RedirectedTextIsInTheUsersCodePage) {
    const std::string day = "今日は、2004/03/02 火曜日です。\n\n給料日\n燃えるゴミ\n";
    const std::string dayUtf8 = u8"今日は、2004/03/02 火曜日です。\n\n給料日\n燃えるゴミ\n";
    const std::string warning =
        "koyomi: warning: 無い 1.kmb: no such file in " + FolderSeen(dir) + "; it adds nothing\n";
    const std::string warningUtf8 = std::string(u8"koyomi: warning: 無い 1.kmb: no such file in ") +
                                    FolderSeen(dir) + "; it adds nothing\n";
#ifdef _WIN32
    const std::string missing = "\"無い 1.kmb\""; // arguments come in the ANSI code page
    const std::string asUser = day, warningAsUser = warning, none = "\"なし\".\n";
#else
    const std::string missing = std::string(u8"'無い 1.kmb'"); // and in the locale's UTF-8
    const std::string asUser = dayUtf8, warningAsUser = warningUtf8, none = u8"\"なし\".\n";
#endif
    for (const bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "--utf8" : "default");
        const ToolRun r = RunKoyomi(dir, std::string(utf8 ? "--utf8 " : "") +
                                             "--now 2026-06-01 --date 2004-03-02 a.kmb " + missing);
        EXPECT_EQ(0, r.status);
        EXPECT_EQ(Redirected(utf8 ? dayUtf8 : asUser), r.out);
        EXPECT_EQ(Redirected(utf8 ? warningUtf8 : warningAsUser), r.err);
    }
    // The program's own texts too, and the release version.
    EXPECT_NE(std::string::npos, RunKoyomi(dir, "--help").out.find(Redirected(none)));
    EXPECT_EQ(Redirected("koyomi " KOYOMI_VERSION "\n"), RunKoyomi(dir, "--version").out);
}

// The chip text stays the plug-in's, but a run that read no file exits 1; a file name that is
// (nearly) a command's gets a hint.
TEST_F(DayText, NoFileReadExitsOneAndCommandNamesGetAHint) {
    const struct {
        const char* args;
        int status;
        const char* hint; // after the first warning
    } cases[] = {
        {"--date 2027-01-13 holiday 2027", 1, " (did you mean \"koyomi holidays\"?)"},
        {"--date 2027-01-13 dmp a.kmb", 0, " (did you mean \"koyomi dump\"?)"},
        {"--date 2027-01-13 LIST a.kmb", 0, " (did you mean \"koyomi list\"?)"},
        {"--date 2027-01-13 dumpster.kmb", 1, ""},
        {"--date 2027-01-13", 1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun r = RunKoyomi(dir, std::string("--raw ") + c.args);
        EXPECT_EQ(c.status, r.status);
        if (c.hint) {
            EXPECT_NE(std::string::npos,
                      r.err.find(Redirected(std::string("; it adds nothing") + c.hint + "\n")))
                << r.err;
        }
    }
    EXPECT_EQ("今日は、2027/01/13 水曜日です。\n\r\nなし",
              RunKoyomi(dir, "--raw --date 2027-01-13 holiday").out);
}

// A file cut short inside the third of the four records its header promises: the day text
// shows what it held (the cut record's name as far as it is present) and reports the file
// once, and koyomi warns of it from that report, as dump does from the entry list's.
TEST_F(DayText, ACutFileShowsWhatItHeldAndIsWarnedOf) {
    const std::string bytes = Header(4) + Record(0, 2, 0, 0, DT_MONTHLY, "pay") +
                              Record(0, 3, 0, 0, DT_MONTHLY, "no") +
                              Record(0, 2, 0, 0, DT_MONTHLY, "deadline");
    WriteBytes(dir + "/cut.kmb", bytes.substr(0, bytes.size() - 4));
    std::vector<CutFile> cut;
    const std::string text =
        MakeDayText((dir + "/cut.kmb").c_str(), MakeDate(2004, 3, 2), nullptr, &cut);
    EXPECT_EQ("今日は、2004/03/02 火曜日です。\n\r\npay\r\ndead", text);
    ASSERT_EQ(1u, cut.size());
    EXPECT_EQ(dir + "/cut.kmb", cut[0].path);
    EXPECT_EQ(4u, cut[0].records.promised);
    EXPECT_EQ(3u, cut[0].records.read);
    EXPECT_EQ(2u, cut[0].records.whole);

    const ToolRun r = RunKoyomi(dir, "--raw --date 2004-03-02 cut.kmb");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(text, r.out);
    const std::string warning = Redirected("koyomi: warning: cut.kmb: read 3 of the 4 records its "
                                           "header promises; the file may be damaged\n");
    EXPECT_EQ(warning, r.err);
    EXPECT_EQ(warning, RunKoyomi(dir, "dump cut.kmb").err);
}

TEST_F(DayText, BadArgumentsExitTwoWithNothingOnStdout) {
    for (const char* args : {"--date 2026-02-29 a.kmb", "--date 2026-13-01", "--now 26-01-01",
                             "--date", "--now 2026-1-01", "--date 1600-12-31", "--frobnicate a.kmb",
                             "--chip c.txt a.kmb", "--date=2026/01/01"}) {
        const ToolRun r = RunKoyomi(dir, args);
        EXPECT_EQ(2, r.status) << args;
        EXPECT_EQ("", r.out) << args;
    }
    EXPECT_EQ(1, RunKoyomi(dir, "--chip no-such-file.txt").status);
    const ToolRun help = RunKoyomi(".", "--help");
    EXPECT_EQ(0, help.status);
    EXPECT_NE(std::string::npos, help.out.find("--chip FILE"));
}

#ifndef _WIN32
// The bundled examples, converted at build time, through the sample chip text.
TEST(DayTextExamples, SampleChipTextForAMondayHoliday) {
    const std::string examples = BinPath("../examples");
    if (!Exists(examples + "/chip.txt"))
        GTEST_SKIP() << "examples not built";
    EXPECT_EQ(std::string(u8"今日は、2027/01/11 月曜日です。\n\n成人の日\n"
                          u8"プラスチック資源（第２月曜日）\n"),
              RunKoyomi(examples, "--now 2027-01-11 --chip chip.txt").out);
    // 31 December 2026 lies in the year-end closing, so the month-end closing moves back to
    // Monday the 28th, which is also the fourth Monday.
    EXPECT_EQ(std::string(u8"今日は、2026/12/28 月曜日です。\n\n月末締め（最終営業日）\n"
                          u8"プラスチック資源（第４月曜日）\n"),
              RunKoyomi(examples, "--now 2026-12-01 --date 2026-12-28 --chip chip.txt").out);
}
#endif
