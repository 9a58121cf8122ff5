// The helper's change to the host's chip text: the chosen path appended to its global block.
#include "plugin/HelperText.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(HelperText, NullBlockIsCreatedForThePath) {
    EditHelperRecord record = {-1, -1, nullptr};
    ASSERT_TRUE(AppendPathToRecord(&record, "C:\\data\\表.kmb"));
    ASSERT_NE(record.text, nullptr);
    EXPECT_EQ(BlockText(record.text), "C:\\data\\表.kmb");
    EXPECT_EQ(record.length, 14);
    EXPECT_EQ(record.length2, 14);
    EXPECT_EQ(GlobalSize(record.text), 15u);
    GlobalFree(record.text);
}

TEST(HelperText, PathsFollowTheTextWithNothingBetween) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 6);
    std::memcpy(GlobalLock(h), "a.kmb", 6);
    GlobalUnlock(h);
    EditHelperRecord record = {5, 5, h};
    ASSERT_TRUE(AppendPathToRecord(&record, "b.kmb"));
    EXPECT_EQ(BlockText(record.text), "a.kmbb.kmb");
    EXPECT_EQ(record.length, 10);
    ASSERT_TRUE(AppendPathToRecord(&record, "C:\\c.kmb"));
    EXPECT_EQ(BlockText(record.text), "a.kmbb.kmbC:\\c.kmb");
    EXPECT_EQ(record.length, 18);
    EXPECT_EQ(record.length2, 18);
    EXPECT_EQ(GlobalSize(record.text), 19u);
    GlobalFree(record.text);
}

TEST(HelperText, ShortTextInALargeBlockGrowsByThePath) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    std::memcpy(GlobalLock(h), "x", 2);
    GlobalUnlock(h);
    EditHelperRecord record = {1, 1, h};
    ASSERT_TRUE(AppendPathToRecord(&record, "y.kmb"));
    EXPECT_EQ(BlockText(record.text), "xy.kmb");
    EXPECT_EQ(GlobalSize(record.text), 69u);
    EXPECT_EQ(record.length, 6);
    GlobalFree(record.text);
}

TEST(HelperText, BlockWithoutTerminatorIsNotOverrun) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(h), "abc", 3);
    GlobalUnlock(h);
    EditHelperRecord record = {3, 3, h};
    ASSERT_TRUE(AppendPathToRecord(&record, "d.kmb"));
    EXPECT_EQ(BlockText(record.text), "abcd.kmb");
    EXPECT_EQ(record.length, 8);
    GlobalFree(record.text);
}

TEST(HelperText, NothingToAppendChangesNothing) {
    EditHelperRecord record = {7, 7, nullptr};
    EXPECT_FALSE(AppendPathToRecord(&record, ""));
    EXPECT_FALSE(AppendPathToRecord(&record, nullptr));
    EXPECT_FALSE(AppendPathToRecord(nullptr, "a.kmb"));
    EXPECT_EQ(record.text, nullptr);
    EXPECT_EQ(record.length, 7);
}
