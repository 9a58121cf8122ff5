// The plug-in's text block: the engine's day text copied into a local-memory slot that grows
// in 128-byte steps.
#include "plugin/MemoString.h"

#include "calendar/Calendar.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The text in a slot, and the slot freed.
std::string Take(HLOCAL& slot) {
    std::string s;
    if (slot) {
        const char* p = static_cast<const char*>(LocalLock(slot));
        s = p;
        LocalUnlock(slot);
        LocalFree(slot);
        slot = nullptr;
    }
    return s;
}
} // namespace

TEST(MemoText, OldTextInTheSlotIsReplaced) {
    HLOCAL slot = nullptr;
    ASSERT_EQ(0, AppendText(&slot, "old text"));
    MakeMemoString("", MakeDate(2026, 1, 1), &slot);
    EXPECT_EQ("データファイル読み込みエラー", Take(slot));
    EXPECT_EQ(0, MakeMemoString("x", MakeDate(2026, 1, 1), nullptr));
}

TEST(AppendText, GrowsIn128ByteSteps) {
    HLOCAL slot = nullptr;
    EXPECT_EQ(1, AppendText(&slot, nullptr));
    EXPECT_EQ(1, AppendText(&slot, ""));
    EXPECT_EQ(nullptr, slot);
    const std::string a126(126, 'a');
    ASSERT_EQ(0, AppendText(&slot, a126.c_str()));
    EXPECT_EQ(128u, LocalSize(slot)); // 126 bytes and the NUL fit the first block
    // The block is full: one more byte makes it grow by one step.
    ASSERT_EQ(0, AppendText(&slot, "b"));
    EXPECT_EQ(256u, LocalSize(slot));
    EXPECT_EQ(a126 + "b", Take(slot));

    // A text whose length + 1 is a whole multiple of 128, onto a full block.
    ASSERT_EQ(0, AppendText(&slot, a126.c_str()));
    const std::string c255(255, 'c');
    ASSERT_EQ(0, AppendText(&slot, c255.c_str()));
    EXPECT_EQ(128u + 256u, LocalSize(slot));
    EXPECT_EQ(a126 + c255, Take(slot));

    // Size equal to length + 1 counts as not larger: it still grows.
    const std::string d127(127, 'd');
    ASSERT_EQ(0, AppendText(&slot, d127.c_str()));
    EXPECT_EQ(256u, LocalSize(slot));
    EXPECT_EQ(d127, Take(slot));
}
