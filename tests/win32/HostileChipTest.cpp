// What a chip may name that is no data file, and a generation that throws: the plug-in
// answers at once, keeps the other files' entries and never takes the host down.
#include "TestUtil.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {
const char kErrorText[] = "データファイル読み込みエラー";

std::string Good(const std::string& dir) {
    WriteBytes(dir + "/good.kmb", KmbBytes({EveryDay("毎日の予定")}));
    return dir + "/good.kmb";
}

std::string Exchange(CPlugin& dxl, const std::string& text, int& result) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    result = dxl.ExchangeSendString(&block);
    const char* p = static_cast<const char*>(GlobalLock(block));
    const std::string out(p, strnlen(p, GlobalSize(block)));
    GlobalUnlock(block);
    GlobalFree(block);
    return out;
}
} // namespace

TEST(HostileChip, NoDataFileBlocksOrEndsTheGeneration) {
    CPlugin& dxl = ShippedDxl();
    ASSERT_NE(dxl.Module(), nullptr);
    const std::string dir = FreshDir("hostile");
    const std::string good = Good(dir);
    // 118 MiB with a valid header and a huge count: more than a 32-bit process can hold.
    const std::string big = dir + "/big.kmb";
    {
        std::FILE* f = std::fopen(big.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const char head[8] = {0, 0, 2, 0, '\xFF', '\xFF', '\xFF', '\x7F'};
        std::fwrite(head, 1, sizeof head, f);
        std::fseek(f, 118L * 1024 * 1024 - 1, SEEK_SET);
        std::fputc(0, f);
        std::fclose(f);
    }
    // A pipe whose server never writes.
    HANDLE server = CreateNamedPipeA("\\\\.\\pipe\\koyomi-chip", PIPE_ACCESS_DUPLEX,
                                     PIPE_TYPE_BYTE | PIPE_WAIT, 4, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);

    HLOCAL state = nullptr;
    ASSERT_EQ(dxl.InitializeChip(&state), 0);
    const std::string expected = ExpectedText(good, Today());
    for (const std::string& hostile :
         {big, std::string("\\\\.\\pipe\\koyomi-chip"), std::string("COM1"), std::string("NUL"),
          std::string("CON"), dir}) {
        SCOPED_TRACE(hostile);
        const std::string chip = hostile + "\r\n" + good + "\r\n" + hostile;
        UpdateChip(dxl, state, chip.c_str());
        EXPECT_EQ(ChipText(dxl, state), expected);
        int n = 0;
        EXPECT_EQ(Exchange(dxl, chip, n), expected);
        EXPECT_EQ(n, static_cast<int>(expected.size()));
    }
    EXPECT_EQ(dxl.UnInitializeChip(state), 0);
    CloseHandle(server);
    DeleteFileA(big.c_str());
}

// The test copy of the library throws inside the generation for the chip line "|throw|".
TEST(HostileChip, GenerationThatThrowsGivesTheFailureResults) {
    CPlugin dxl;
    ASSERT_TRUE(dxl.Load(BinPath("KoyomiruTest.dxl")));
    const std::string good = Good(FreshDir("throwing"));
    const std::string chip = good + "\r\n|throw|";

    HLOCAL state = nullptr;
    ASSERT_EQ(dxl.InitializeChip(&state), 0);
    unsigned char record[CHIP_RECORD_SIZE] = {};
    const char* text = chip.c_str();
    std::memcpy(record + CHIP_TEXT_OFFSET, &text, sizeof text);
    EXPECT_EQ(dxl.Update(state, nullptr, record), 1);
    EXPECT_EQ(ChipText(dxl, state), kErrorText);
    EXPECT_EQ(dxl.DoDrawExMenu(state, nullptr, 10000), 2); // back to today: throws again
    EXPECT_EQ(ChipText(dxl, state), kErrorText);
    int n = 0;
    EXPECT_EQ(Exchange(dxl, chip, n), kErrorText);
    EXPECT_EQ(n, 28);

    // The library goes on working for the next text.
    UpdateChip(dxl, state, good.c_str());
    EXPECT_EQ(ChipText(dxl, state), ExpectedText(good, Today()));
    EXPECT_EQ(dxl.UnInitializeChip(state), 0);
}
