// The guard at every boundary: whatever is thrown inside, the body returns its failure value.
#include "platform/Guard.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

namespace {
int Guarded(int what) {
    KOYOMI_GUARD_BEGIN
    switch (what) {
    case 1:
        throw std::length_error("vector");
    case 2:
        throw std::bad_alloc();
    case 3:
        throw 42; // not even a standard exception
    case 4:
        return std::vector<int>(1).at(5);
    }
    return 7;
    KOYOMI_GUARD_END(-1)
}

bool reached = false;
void GuardedVoid(bool fail) {
    KOYOMI_GUARD_BEGIN
    if (fail)
        throw std::runtime_error("x");
    reached = true;
    KOYOMI_GUARD_END_VOID
}
} // namespace

TEST(Guard, AnyExceptionBecomesTheFailureValue) {
    EXPECT_EQ(7, Guarded(0));
    for (int what = 1; what <= 4; ++what)
        EXPECT_EQ(-1, Guarded(what)) << what;
    GuardedVoid(true);
    EXPECT_FALSE(reached);
    GuardedVoid(false);
    EXPECT_TRUE(reached);
}
