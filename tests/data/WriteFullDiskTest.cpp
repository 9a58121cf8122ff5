// A write that fails after the open (a full disk, as the file-size limit makes it) must say
// so and leave the target as it was.
#include "TestUtil.h"
#include "data/KmdDataFile.h"

#include <gtest/gtest.h>

#include <string>
#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

TEST(WriteFullDisk, FailsAndKeepsTheOldTarget) {
#ifdef _WIN32
    GTEST_SKIP() << "the file-size limit is a POSIX facility";
#else
    const std::string dir = FreshDir("fulldisk");
    const std::string target = dir + "/keep.kmb";
    const std::string old("\x00\x00\x02\x00\x00\x00\x00\x00", 8);
    WriteBytes(target, old);
    CKmdDataFile f;
    CKmdDate e;
    e.SetName(std::string(100, 'w').c_str());
    for (int i = 0; i < 100; ++i)
        f.Add(e);

    std::signal(SIGXFSZ, SIG_IGN); // the failing write returns EFBIG instead
    rlimit saved;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    rlimit small = saved;
    small.rlim_cur = 20;
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const bool written = f.Write(target.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(written);
    EXPECT_EQ(old, ReadBytes(target));
    EXPECT_FALSE(Exists(target + ".tmp~"));
#endif
}
