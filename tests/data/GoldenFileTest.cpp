// A data file committed once and kept fixed: every build must read it into the same entries
// and write them back to the same bytes, so files move between the builds unchanged.
#include "DataTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string MonthEndName() {
    std::string name;
    for (int i = 0; i < 31; ++i)
        name += "月末";
    return name + "月x"; // 127 bytes
}

std::vector<CKmdDate> GoldenEntries() {
    return {
        RawEntry(0x10, 1, 0, 0, DT_DAY | DF_HOLIDAY, "元日"),
        RawEntry(0x10, 0, 0, 2, DT_MONTHLY | (2 << DF_WEEK_SHIFT) | DF_HOLIDAY, "成人の日"),
        RawEntry(0x00, 25, 0, 0, DT_MONTHLY | DF_SHIFT_SAT_SUN_HOL | DF_PAYDAY_SHIFT, "給料日"),
        RawEntry(0x88, 13, 16, 0, DT_PERIOD | DF_HOLIDAY, "夏季休業"),
        RawEntry(0x00, 0, 0, 4, DT_BIWEEKLY | DF_ODD, "資源ごみ（表）"),
        RawEntry(0, 0, 0, 0, 0, ""),
        RawEntry(0x00, 0, 0, 0, DT_MONTHLY | DF_LAST | DF_SHIFT_SUN_HOL | DF_SHIFT_LATER,
                 MonthEndName()),
        // Values no setter allows, as a damaged or foreign writer may leave them.
        RawEntry(0xFF, 255, 200, 0xF9, 0xFFFF, "\x81\x60\x81\x7C\x81\x61"),
    };
}
} // namespace

TEST(GoldenFile, ReadsIntoTheKnownEntriesAndWritesBackTheSameBytes) {
    const std::string golden = SourcePath("tests/data/golden/sample.kmb");
    const std::string bytes = ReadBytes(golden);
    ASSERT_EQ(245u, bytes.size());
    ASSERT_EQ(127u, MonthEndName().size());

    std::vector<std::string> expected;
    for (const CKmdDate& e : GoldenEntries())
        expected.push_back(Image(e));
    CKmdEntryFile read, appended;
    ASSERT_TRUE(read.Read(golden.c_str()));
    EXPECT_EQ(expected, Images(read));
    ASSERT_TRUE(appended.Append(golden.c_str()));
    EXPECT_EQ(expected, Images(appended));

    const std::string dir = FreshDir("golden");
    ASSERT_TRUE(read.Write((dir + "/copy.kmb").c_str()));
    EXPECT_EQ(bytes, ReadBytes(dir + "/copy.kmb"));

    CKmdEntryFile built;
    for (const CKmdDate& e : GoldenEntries())
        built.Add(e);
    ASSERT_TRUE(built.Write((dir + "/built.kmb").c_str()));
    EXPECT_EQ(bytes, ReadBytes(dir + "/built.kmb"));
}
