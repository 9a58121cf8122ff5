// koyomi dump, list and convert end to end on legacy files typed by hand (Shift-JIS names,
// CR LF, comments, tabs, quotes): the real program, its UTF-8 output and its exit codes.
#ifndef _WIN32
#include "KoyomiRun.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <sys/wait.h>

namespace {

// A fresh folder holding a copy of the hand-typed inputs.
std::string Inputs(const std::string& name) {
    const std::string dir = FreshDir(name);
    for (const char* f : {"hand.kmd", "hand-stop.kmd"})
        WriteBytes(dir + "/" + f, ReadBytes(SourcePath(std::string("tests/tools/data/") + f)));
    return dir;
}

std::string SixtyThreeA() {
    std::string s;
    for (int i = 0; i < 63; ++i)
        s += u8"あ";
    return s;
}

// What `dump` shows for hand.kmd. The names are UTF-8 (u8 literals are not recompiled to code
// page 932); the CP932 table maps 81 60, 81 7C, 81 61 to U+FF5E, U+FF0D, U+2225, and the name
// cut at byte 127 leaves a lone lead byte.
std::string HandDump() {
    return std::string(u8"10 1 0 00 0200 元日\n") + u8"10 0 0 02 0243 成人の日\n" +
           u8"00 25 0 00 1803 給料日\n" + u8"00 0 0 00 2503 月末締め\n" +
           u8"88 13 16 00 0208 夏季 休業\n" + u8"00 0 0 04 0001 資源ごみ（表）\n" +
           u8"00 0 0 06 0012 \uFF5E\uFF0D\u2225\n" + "C0 31 0 00 0000 " + SixtyThreeA() + "\\x82\n";
}

std::string Row(std::initializer_list<const char*> cells) {
    std::string s;
    for (const char* c : cells)
        s += (s.empty() ? "" : "\t") + std::string(c);
    return s + "\n";
}
} // namespace

TEST(KoyomiDump, HandTypedLegacyFile) {
    const std::string dir = Inputs("dump_hand");
    const ToolRun r = RunKoyomi(dir, "dump hand.kmd");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(HandDump(), r.out);
    EXPECT_EQ("", r.err);
    // The extension is compared in any case.
    WriteBytes(dir + "/UPPER.KMD", ReadBytes(dir + "/hand.kmd"));
    EXPECT_EQ(HandDump(), RunKoyomi(dir, "dump UPPER.KMD").out);
}

TEST(KoyomiList, HeadingAndTheEditorsColumns) {
    const std::string dir = Inputs("list_hand");
    const ToolRun r = RunKoyomi(dir, "list hand.kmd");
    EXPECT_EQ(0, r.status);
    const std::string expected =
        Row({u8"日付名称", u8"種別", u8"偶/奇", u8"休日", u8"シフト種別", u8"シフト方向", u8"最終",
             u8"開始月", u8"開始日", u8"終了月", u8"終了日", u8"第ｎ曜", u8"曜日"}) +
        Row({u8"元日", u8"当日", u8"－", u8"○", u8"無", u8"－", u8"－", "1", "1", u8"－", u8"－",
             u8"－", u8"－"}) +
        Row({u8"成人の日", u8"毎月", u8"－", u8"○", u8"無", u8"－", u8"　", "1", u8"－", u8"－",
             u8"－", "2", u8"月"}) +
        Row({u8"給料日", u8"毎月", u8"－", u8"　", u8"給料日＋土", u8"－", u8"　", u8"－", "25",
             u8"－", u8"－", u8"－", u8"－"}) +
        Row({u8"月末締め", u8"毎月", u8"－", u8"　", u8"祝祭日", u8"先シフト", u8"○", u8"－",
             u8"－", u8"－", u8"－", u8"－", u8"－"}) +
        Row({u8"夏季 休業", u8"期間", u8"－", u8"○", u8"－", u8"－", u8"－", "8", "13", "8", "16",
             u8"－", u8"－"}) +
        Row({u8"資源ごみ（表）", u8"毎週", u8"－", u8"　", u8"無", u8"－", u8"－", u8"－", u8"－",
             u8"－", u8"－", u8"－", u8"水"}) +
        Row({u8"\uFF5E\uFF0D\u2225", u8"隔週", u8"奇", u8"　", u8"無", u8"－", u8"－", u8"－",
             u8"－", u8"－", u8"－", u8"－", u8"金"}) +
        Row({(SixtyThreeA() + "\\x82").c_str(), u8"当日", u8"－", u8"　", u8"無", u8"－", u8"－",
             "12", "31", u8"－", u8"－", u8"－", u8"－"});
    EXPECT_EQ(expected, r.out);
}

TEST(KoyomiConvert, WritesTheBinaryFileAfterABackup) {
    const std::string dir = Inputs("convert_hand");
    // No file at OUT: no backup.
    ToolRun r = RunKoyomi(dir, "convert hand.kmd out.kmb");
    EXPECT_EQ(0, r.status);
    EXPECT_FALSE(Exists(dir + "/out.bak"));
    EXPECT_EQ(HandDump(), RunKoyomi(dir, "dump out.kmb").out);
    const std::string first = ReadBytes(dir + "/out.kmb");
    EXPECT_EQ(std::string("\x00\x00\x02\x00\x08\x00\x00\x00", 8), first.substr(0, 8));

    // Over an existing OUT: the old OUT becomes out.bak.
    r = RunKoyomi(dir, "convert hand-stop.kmd out.kmb");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(first, ReadBytes(dir + "/out.bak"));
    EXPECT_EQ(std::string(u8"10 1 0 00 0200 元日\n") + u8"20 11 0 00 0200 建国記念の日\n",
              RunKoyomi(dir, "dump out.kmb").out);

    // Binary to binary keeps the bytes.
    r = RunKoyomi(dir, "convert out.bak copy.kmb");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(first, ReadBytes(dir + "/copy.kmb"));

    // A load that fails writes nothing.
    r = RunKoyomi(dir, "convert missing.kmd copy.kmb");
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(first, ReadBytes(dir + "/copy.kmb"));
    EXPECT_FALSE(Exists(dir + "/copy.bak"));
}

TEST(KoyomiTool, EarlyStopWarnsWithTheLineNumber) {
    const std::string dir = Inputs("stop_hand");
    for (const char* command : {"dump", "list", "convert"}) {
        SCOPED_TRACE(command);
        const ToolRun r = RunKoyomi(dir, std::string(command) + " hand-stop.kmd" +
                                             (std::string(command) == "convert" ? " s.kmb" : ""));
        EXPECT_EQ(0, r.status);
        EXPECT_NE(std::string::npos, r.err.find("line 4")) << r.err;
    }
    // A file read to its end warns of nothing.
    EXPECT_EQ("", RunKoyomi(dir, "list hand.kmd").err);
}

TEST(KoyomiTool, LoadFailuresExitOneAndUsageErrorsTwo) {
    const std::string dir = Inputs("errors");
    WriteBytes(dir + "/foreign.kmb", std::string("\x01\x00\x02\x00\x00\x00\x00\x00", 8));
    for (const char* args : {"dump missing.kmb", "list missing.kmd", "dump foreign.kmb",
                             "convert foreign.kmb o.kmb"}) {
        SCOPED_TRACE(args);
        const ToolRun r = RunKoyomi(dir, args);
        EXPECT_EQ(1, r.status);
        EXPECT_EQ("", r.out);
        EXPECT_NE(std::string::npos, r.err.find(u8"ファイルの読込に失敗しました。")) << r.err;
    }
    EXPECT_FALSE(Exists(dir + "/o.kmb"));
    EXPECT_NE(std::string::npos,
              RunKoyomi(dir, "dump missing.kmb").err.find("koyomi: missing.kmb: no such file"));
    for (const char* args : {"dump", "list", "dump hand.kmd hand.kmd", "convert hand.kmd",
                             "convert a b c", "list a b"}) {
        SCOPED_TRACE(args);
        const ToolRun r = RunKoyomi(dir, args);
        EXPECT_EQ(2, r.status);
        EXPECT_NE(std::string::npos, r.err.find("Try 'koyomi --help'.")) << r.err;
    }
    const ToolRun help = RunKoyomi(dir, "--help");
    EXPECT_EQ(0, help.status);
    for (const char* word : {"dump PATH", "list PATH", "convert IN OUT", ".kmd"})
        EXPECT_NE(std::string::npos, help.out.find(word)) << word;
    // A subcommand's --help explains, rather than loading a file called "--help".
    const ToolRun dumpHelp = RunKoyomi(dir, "dump --help");
    EXPECT_EQ(0, dumpHelp.status);
    EXPECT_EQ(help.out, dumpHelp.out);
}
#endif
