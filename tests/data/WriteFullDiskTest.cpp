// A write that fails after the open (a full disk, as the file-size limit makes it) must say
// so and leave the target as it was.
#include "TestUtil.h"
#include "data/KmdEntryFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(WriteFullDisk, FailsAndKeepsTheOldTarget) {
#ifdef _WIN32
    GTEST_SKIP() << "the file-size limit is a POSIX facility";
#else
    const std::string dir = FreshDir("fulldisk");
    const std::string target = dir + "/keep.kmb";
    const std::string old("\x00\x00\x02\x00\x00\x00\x00\x00", 8);
    WriteBytes(target, old);
    CKmdEntryFile f;
    CKmdDate e;
    e.SetName(std::string(100, 'w').c_str());
    for (int i = 0; i < 100; ++i)
        f.Add(e);

    bool written = true;
    ASSERT_TRUE(WithFileSizeLimit(20, [&] { written = f.Write(target.c_str()); }));

    EXPECT_FALSE(written);
    EXPECT_EQ(old, ReadBytes(target));
    EXPECT_FALSE(Exists(target + ".tmp~"));
#endif
}
