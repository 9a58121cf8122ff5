// The per-chip exports of the shipped library, called as the memo program calls them.
#include "TestUtil.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
const char kErrorText[] = "データファイル読み込みエラー";

class ChipExports : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dxl.Module(), nullptr) << "Koyomiru.dxl did not load";
        dir = FreshDir("chips");
        WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("毎日の予定"), OnDay(2, 30, "来ない日")}));
        WriteBytes(dir + "/b.kmb", KmbBytes({EveryDay("表示ソ能"), EveryDay("二つ目")}));
        ASSERT_EQ(dxl.InitializeChip(&state), 0);
        ASSERT_NE(state, nullptr);
    }
    void TearDown() override {
        if (state) {
            EXPECT_EQ(dxl.UnInitializeChip(state), 0);
        }
    }

    CPlugin& dxl = ShippedDxl();
    std::string dir;
    HLOCAL state = nullptr;
};
} // namespace

TEST(SpecificationRecord, WritesItsValuesAndTouchesNothingElse) {
    CPlugin& dxl = ShippedDxl();
    ASSERT_NE(dxl.Module(), nullptr);
    unsigned char record[96];
    std::memset(record, 0xCC, sizeof record);
    EXPECT_EQ(dxl.DrawExSpecification(record), 0);
    auto u32 = [&](int at) {
        std::uint32_t v;
        std::memcpy(&v, record + at, 4);
        return v;
    };
    EXPECT_EQ(u32(0), 256u);
    EXPECT_EQ(u32(4), 256u);
    const char name[] = "控え帳版ＫＹＯＭＩ";
    EXPECT_EQ(std::memcmp(record + 8, name, sizeof name), 0);
    for (std::size_t i = 8 + sizeof name; i < 60; ++i)
        EXPECT_EQ(record[i], 0xCC) << i;
    EXPECT_EQ(u32(60), 150u);
    EXPECT_EQ(u32(64), 1u);
    EXPECT_EQ(u32(68), 44u);
    for (std::size_t i = 72; i < sizeof record; ++i)
        EXPECT_EQ(record[i], 0xCC) << i;
}

TEST_F(ChipExports, FreshChipHasNoTextAndLeavesTheBufferAlone) {
    char buffer[8] = "abcdefg";
    EXPECT_EQ(dxl.GetMemoString(state, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(dxl.GetMemoString(state, nullptr, 0), 0);
}

TEST_F(ChipExports, UpdateMakesTodaysTextAndNullTextKeepsIt) {
    const std::string chip = dir + "/a.kmb\r\n" + dir + "/b.kmb";
    UpdateChip(dxl, state, chip.c_str());
    const std::string text = ChipText(dxl, state);
    EXPECT_EQ(text, ExpectedText(chip, Today()));
    EXPECT_NE(text.find("\r\n毎日の予定\r\n表示ソ能\r\n二つ目"), std::string::npos) << text;
    EXPECT_EQ(text.find("来ない日"), std::string::npos);

    UpdateChip(dxl, state, nullptr);
    EXPECT_EQ(ChipText(dxl, state), text);
    // The copy of the chip text survived too: going back to today regenerates from it.
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10000), 2);
    EXPECT_EQ(ChipText(dxl, state), text);
}

TEST_F(ChipExports, EmptyTextGivesTheErrorText) {
    UpdateChip(dxl, state, "");
    EXPECT_EQ(dxl.GetMemoString(state, nullptr, 0), 28);
    EXPECT_EQ(ChipText(dxl, state), kErrorText);
}

TEST_F(ChipExports, GetMemoStringCutsToTheBuffer) {
    UpdateChip(dxl, state, "");
    char buffer[32];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(dxl.GetMemoString(state, buffer, 1), 28);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 'x');

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(dxl.GetMemoString(state, buffer, 5), 28);
    EXPECT_EQ(std::string(buffer, 5), std::string(kErrorText, 4) + '\0');
    EXPECT_EQ(buffer[5], 'x');

    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(dxl.GetMemoString(state, buffer, 0), 28);
    EXPECT_EQ(dxl.GetMemoString(state, buffer, -5), 28);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(dxl.GetMemoString(state, buffer, 29), 28);
    EXPECT_STREQ(buffer, kErrorText);
}

TEST_F(ChipExports, NullAndForeignHandlesAreRefusedQuietly) {
    char buffer[4] = "abc";
    EXPECT_EQ(dxl.InitializeChip(nullptr), 0);
    EXPECT_EQ(dxl.UnInitializeChip(nullptr), 0);
    UpdateChip(dxl, nullptr, "x.kmb");
    EXPECT_EQ(dxl.GetMemoString(nullptr, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(dxl.DoDrawExMenu(nullptr, nullptr, 10000), 0);
    EXPECT_EQ(dxl.DoDrawExMenu(nullptr, nullptr, 10003), 0); // no box for a lost chip
    // A block too small to be a chip state is not taken for one.
    HLOCAL small = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, 4);
    UpdateChip(dxl, small, "x.kmb");
    EXPECT_EQ(dxl.GetMemoString(small, buffer, sizeof buffer), 0);
    LocalFree(small);
    HGLOBAL none = nullptr;
    EXPECT_EQ(dxl.ExchangeSendString(nullptr), 0);
    EXPECT_EQ(dxl.ExchangeSendString(&none), 0);
    EXPECT_EQ(none, nullptr);
}

TEST_F(ChipExports, ExchangeRewritesTheHostBlock) {
    HGLOBAL empty = GlobalText("");
    EXPECT_EQ(dxl.ExchangeSendString(&empty), 28);
    EXPECT_EQ(BlockText(empty), kErrorText);
    EXPECT_GE(GlobalSize(empty), 29u);
    GlobalFree(empty);

    const std::string one = dir + "/a.kmb";
    HGLOBAL block = GlobalText(one);
    const std::string expected = ExpectedText(one, Today());
    EXPECT_EQ(dxl.ExchangeSendString(&block), static_cast<int>(expected.size()));
    EXPECT_EQ(BlockText(block), expected);
    GlobalFree(block);

    const std::string lines = "\r\n" + dir + "/a.kmb\n\n" + dir + "/b.kmb\r" + dir + "/none.kmb";
    block = GlobalText(lines);
    const int n = dxl.ExchangeSendString(&block);
    EXPECT_EQ(BlockText(block), ExpectedText(lines, Today()));
    EXPECT_EQ(n, static_cast<int>(BlockText(block).size()));
    GlobalFree(block);
}

TEST_F(ChipExports, ExchangeTouchesNoChip) {
    UpdateChip(dxl, state, "");
    HGLOBAL block = GlobalText(dir + "/b.kmb");
    dxl.ExchangeSendString(&block);
    GlobalFree(block);
    EXPECT_EQ(ChipText(dxl, state), kErrorText);
}

TEST_F(ChipExports, ExchangeReadsABlockWithoutTerminatorSafely) {
    const std::string path = dir + "/a.kmb";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, path.size());
    std::memcpy(GlobalLock(block), path.data(), path.size());
    GlobalUnlock(block);
    const int n = dxl.ExchangeSendString(&block);
    EXPECT_EQ(BlockText(block), ExpectedText(path, Today()));
    EXPECT_EQ(n, static_cast<int>(BlockText(block).size()));
    GlobalFree(block);
}

TEST_F(ChipExports, ManyChipsKeepTheirOwnState) {
    std::vector<HLOCAL> chips(40);
    for (HLOCAL& c : chips) {
        ASSERT_EQ(dxl.InitializeChip(&c), 0);
        ASSERT_NE(c, nullptr);
    }
    const std::string texts[3] = {"", dir + "/a.kmb", dir + "/b.kmb\r\n" + dir + "/a.kmb"};
    for (std::size_t i = 0; i < chips.size(); ++i)
        if (i % 4 != 3) // every fourth stays fresh
            UpdateChip(dxl, chips[i], texts[i % 4].c_str());
    auto check = [&](std::size_t i) {
        if (i % 4 == 3)
            EXPECT_EQ(ChipText(dxl, chips[i]), "") << i;
        else
            EXPECT_EQ(ChipText(dxl, chips[i]), ExpectedText(texts[i % 4], Today())) << i;
    };
    for (std::size_t i = 0; i < chips.size(); ++i)
        check(i);
    // Freeing every other chip leaves the rest as they were.
    for (std::size_t i = 0; i < chips.size(); i += 2)
        EXPECT_EQ(dxl.UnInitializeChip(chips[i]), 0);
    for (std::size_t i = 1; i < chips.size(); i += 2) {
        check(i);
        EXPECT_EQ(dxl.UnInitializeChip(chips[i]), 0);
    }
}
