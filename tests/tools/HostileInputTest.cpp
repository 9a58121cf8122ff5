// koyomi against what is no data file and against a disk that refuses the backup: a message
// and exit 1 at once, never a hang, an abort or a lost generation.
#ifndef _WIN32
#include "KmbBuilder.h"
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "data/KmdDateFlags.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

TEST(KoyomiHostile, ChipFileThatIsNoRegularFileExitsOne) {
    const std::string dir = FreshDir("hostile_chip");
    FreshDir("hostile_chip/folder");
    ASSERT_EQ(0, mkfifo((dir + "/fifo").c_str(), 0600));
    for (const char* chip : {"folder", "fifo", "/dev/zero", "missing.txt"}) {
        SCOPED_TRACE(chip);
        const ToolRun r = RunKoyomi(dir, std::string("--chip ") + chip);
        EXPECT_EQ(1, r.status);
        EXPECT_EQ("", r.out);
        EXPECT_NE(std::string::npos, r.err.find("cannot read the chip text")) << r.err;
    }
}

// Standard output stays the plug-in's text; each file that added nothing gets one warning.
TEST(KoyomiHostile, ChipNamingNoDataFilesWarnsOncePerFile) {
    const std::string dir = FreshDir("hostile_lines");
    WriteBytes(dir + "/good.kmb", KmbBytes({{0, 2, 0, 0, DT_MONTHLY, "給料日"}}));
    WriteBytes(dir + "/foreign.kmb", Header(0, 0x30000));
    FreshDir("hostile_lines/folder.kmb");
    ASSERT_EQ(0, mkfifo((dir + "/fifo.kmb").c_str(), 0600));
    const std::string tooLong(260, 'x');
    const struct {
        const char* path;
        const char* why;
    } bad[] = {{"missing.kmb", nullptr},
               {tooLong.c_str(), "longer than 259 bytes"},
               {"folder.kmb", "not a regular file"},
               {"fifo.kmb", "not a regular file"},
               {"/dev/zero", "not a regular file"},
               {"foreign.kmb", "not a data file of this version"}};
    std::string args = "--raw --now 2026-06-01 --date 2004-03-02 good.kmb";
    for (const auto& b : bad)
        args += std::string(" ") + b.path;
    const ToolRun r = RunKoyomi(dir, args);
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("今日は、2004/03/02 火曜日です。\n\r\n給料日", r.out);
    std::string warnings;
    // A missing relative name says where it was looked for.
    const std::string missing = "no such file in " + FolderSeen(dir);
    for (const auto& b : bad)
        warnings += std::string("koyomi: warning: ") + b.path + ": " +
                    (b.why ? b.why : missing.c_str()) + "; it adds nothing\n";
    EXPECT_EQ(warnings, r.err);
    EXPECT_EQ("", RunKoyomi(dir, "--date 2004-03-02 good.kmb").err);
}

// A line longer than the reader's buffer that stops in its second piece: the warning says
// that the line's first piece was read.
TEST(KoyomiHostile, ImportStopInsideALongLineSaysSo) {
    const std::string dir = FreshDir("hostile_longline");
    WriteBytes(dir + "/long.kmd", "0 1 1 0 0 0 0 a\n0 1 1 0 0 0 0 " + std::string(1100, 'x') +
                                      " 1 2\n0 1 1 0 0 0 0 c\n");
    const ToolRun r = RunKoyomi(dir, "dump long.kmd");
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(2u, std::count(r.out.begin(), r.out.end(), '\n')); // a and the long line's entry
    EXPECT_EQ("koyomi: long.kmd: import stopped in line 2 after its first 1023 bytes; the rest of "
              "that line and the lines after it were not imported\n",
              r.err);
}

// Under a file-size limit or with a read-only backup: a whole backup and the new file, or
// exit 1 with the old file and the old backup byte for byte.
TEST(KoyomiHostile, ConvertNeverLosesThePreviousGeneration) {
    const std::string dir = FreshDir("hostile_convert");
    WriteBytes(dir + "/in.kmd", "0 1 1 0 0 0 1 a\n");
    const std::string oldOut = Header(0) + std::string(4000, 'o'); // a copy of it needs room
    const std::string oldBak = "previous generation";
    for (int scenario = 0; scenario < 2; ++scenario) {
        SCOPED_TRACE(scenario ? "read-only backup" : "file-size limit");
        WriteBytes(dir + "/out.kmb", oldOut);
        chmod((dir + "/out.bak").c_str(), 0644);
        WriteBytes(dir + "/out.bak", oldBak);
        rlimit saved;
        ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
        if (scenario == 0) {
            rlimit small = saved;
            small.rlim_cur = 2000; // the backup's copy cannot be finished
            ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
        } else {
            chmod((dir + "/out.bak").c_str(), 0444);
        }
        const ToolRun r = RunKoyomi(dir, "convert in.kmd out.kmb");
        setrlimit(RLIMIT_FSIZE, &saved);
        if (r.status == 0) {
            EXPECT_EQ(oldOut, ReadBytes(dir + "/out.bak"));
            EXPECT_NE(oldOut, ReadBytes(dir + "/out.kmb"));
        } else {
            EXPECT_EQ(1, r.status);
            EXPECT_NE(std::string::npos, r.err.find("cannot make the backup")) << r.err;
            EXPECT_EQ(oldOut, ReadBytes(dir + "/out.kmb"));
            EXPECT_EQ(oldBak, ReadBytes(dir + "/out.bak"));
        }
        EXPECT_FALSE(Exists(dir + "/out.bak.tmp~"));
        EXPECT_FALSE(Exists(dir + "/out.kmb.tmp~"));
        if (scenario == 0) {
            EXPECT_EQ(1, r.status); // a limit that cuts the copy always refuses
        }
    }
}
// The holidays subcommand saves as convert does: no whole backup, no write.
TEST(KoyomiHostile, HolidaysWithoutABackupLeavesTheOldFile) {
    const std::string dir = FreshDir("hostile_holidays");
    FreshDir("hostile_holidays/out.bak");
    WriteBytes(dir + "/out.kmb", "old");
    const ToolRun r = RunKoyomi(dir, "holidays 2026 out.kmb");
    EXPECT_EQ(1, r.status);
    EXPECT_NE(std::string::npos, r.err.find("cannot make the backup")) << r.err;
    EXPECT_EQ("old", ReadBytes(dir + "/out.kmb"));
}
#endif
