// The matching iteration over a data file's entries.
#include "MatchingTestUtil.h"

#include "calendar/KmdDataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Walk(CKmdDataFile& file, const SYSTEMTIME& date) {
    std::vector<std::string> names;
    if (!file.FindFirst(date))
        return names;
    bool more;
    do {
        CKmdDate e;
        more = file.FindNext(e);
        names.push_back(e.NameField());
    } while (more);
    return names;
}
} // namespace

TEST(FindIteration, ApplyingEntriesInHeldOrderEmptyNamesIncluded) {
    CKmdDataFile file;
    file.Add(RawEntry(0, 25, 0, 0, DT_MONTHLY, "a"));
    file.Add(RawEntry(0, 24, 0, 0, DT_MONTHLY, "no"));
    file.Add(RawEntry(0, 0, 0, 7, DT_WEEKLY, ""));
    file.Add(RawEntry(M(4) | 4, 20, 30, 0, DT_PERIOD, "b"));
    file.Add(RawEntry(0, 25, 0, 0, DT_MONTHLY, "a"));
    // Saturday 25 April 2026.
    EXPECT_EQ((std::vector<std::string>{"a", "", "b", "a"}), Walk(file, MakeDate(2026, 4, 25)));
    // The last applying entry is the one copied by the call that reports false.
    EXPECT_EQ((std::vector<std::string>{"no", "b"}), Walk(file, MakeDate(2026, 4, 24)));
    EXPECT_EQ((std::vector<std::string>{"a", "a"}), Walk(file, MakeDate(2026, 5, 25)));
    // A new FindFirst starts over.
    EXPECT_EQ((std::vector<std::string>{"a", "", "b", "a"}), Walk(file, MakeDate(2026, 4, 25)));
}

TEST(FindIteration, NothingApplyingLeavesTheOutputUntouched) {
    CKmdDataFile file;
    const CKmdDate marker = RawEntry(M(3), 3, 0, 0, DT_DAY, "marker");
    CKmdDate out = marker;
    EXPECT_FALSE(file.FindNext(out)); // no FindFirst at all
    EXPECT_STREQ("marker", out.NameField());
    EXPECT_FALSE(file.FindFirst(MakeDate(2026, 4, 25))); // empty list
    file.Add(RawEntry(0, 1, 0, 0, DT_MONTHLY, "first"));
    EXPECT_FALSE(file.FindFirst(MakeDate(2026, 4, 25)));
    EXPECT_FALSE(file.FindNext(out));
    EXPECT_STREQ("marker", out.NameField());
    // After the walk has ended, FindNext reports false again.
    ASSERT_TRUE(file.FindFirst(MakeDate(2026, 4, 1)));
    EXPECT_FALSE(file.FindNext(out));
    EXPECT_STREQ("first", out.NameField());
    out = marker;
    EXPECT_FALSE(file.FindNext(out));
    EXPECT_STREQ("marker", out.NameField());
}

TEST(FindIteration, EndsSafelyWhenTheListShrankMeanwhile) {
    CKmdDataFile file;
    file.Add(RawEntry(0, 1, 0, 0, DT_MONTHLY, "a"));
    file.Add(RawEntry(0, 1, 0, 0, DT_MONTHLY, "b"));
    ASSERT_TRUE(file.FindFirst(MakeDate(2026, 4, 1)));
    CKmdDate out;
    ASSERT_TRUE(file.FindNext(out));
    file.RemoveAll();
    EXPECT_FALSE(file.FindNext(out));
    EXPECT_STREQ("a", out.NameField());
    file.Add(RawEntry(0, 1, 0, 0, DT_MONTHLY, "c"));
    EXPECT_FALSE(file.FindNext(out)); // the walk has ended, not resumed on new entries
}
