// koyomi against what is no data file and against a disk that refuses the backup: a message
// and exit 1 at once, never a hang, an abort or a lost generation.
#ifndef _WIN32
#include "KoyomiRun.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

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

// Under a file-size limit or with a read-only backup: a whole backup and the new file, or
// exit 1 with the old file and the old backup byte for byte.
TEST(KoyomiHostile, ConvertNeverLosesThePreviousGeneration) {
    const std::string dir = FreshDir("hostile_convert");
    WriteBytes(dir + "/in.kmd", "0 1 1 0 0 0 1 a\n");
    const std::string oldOut = std::string("\x00\x00\x02\x00\x00\x00\x00\x00", 8) +
                               std::string(4000, 'o'); // a long tail: a copy of it needs room
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
#endif
