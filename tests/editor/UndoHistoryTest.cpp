// The history's memory: small steps by the thousand, big ones dropped oldest first, the newest
// always kept.
#include "editor/UndoHistory.h"

#include <gtest/gtest.h>

namespace {
UndoStep StepOf(int entries) {
    UndoStep step;
    for (int i = 0; i < entries; ++i)
        step.removed.Push(i, CKmdDate());
    return step;
}
} // namespace

TEST(UndoHistory, KeepsSmallStepsByTheThousandAndDropsTheOldestBigOnes) {
    CUndoHistory history;
    for (int i = 0; i < 1500; ++i)
        history.Record(StepOf(1));
    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(1500, undone);

    // Room for two steps of 1,000 entries and a half.
    const std::size_t room = 1000 * (sizeof(int) + sizeof(CKmdDate)) * 5 / 2;
    CUndoHistory small(room);
    std::uint64_t states[5];
    for (std::uint64_t& s : states) {
        small.Record(StepOf(1000));
        s = small.State();
    }
    EXPECT_EQ(2u, small.Steps());
    EXPECT_LE(small.Bytes(), room);
    ASSERT_TRUE(small.Undo() && small.Undo());
    EXPECT_EQ(states[2], small.State());
    EXPECT_FALSE(small.CanUndo());

    CUndoHistory tiny(1);
    tiny.Record(StepOf(1000));
    tiny.Record(StepOf(1000));
    EXPECT_EQ(1u, tiny.Steps());
    EXPECT_TRUE(tiny.CanUndo());
}
