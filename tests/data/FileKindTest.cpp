// What a load that adds nothing says of the file: missing, no regular file, no data file, or
// too large to hold; the entries held before stay.
#include "DataTestUtil.h"
#include "TestUtil.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(RegularFilesOnly, LoadFailureTellsWhy) {
    const std::string dir = FreshDir("loadfailure");
    WriteBytes(dir + "/short.kmb", "\x00\x00\x02");
    WriteBytes(dir + "/foreign.kmb", Header(0, 0x30000));
    WriteBytes(dir + "/good.kmb", Header(0));
    const struct {
        std::string path;
        LoadFailure why;
    } cases[] = {
        {dir + "/missing.kmb", LOAD_MISSING},
        {dir + "/no/such/folder.kmb", LOAD_MISSING},
        {FreshDir("loadfailure/f.kmb"), LOAD_NOT_REGULAR},
        {dir + "/short.kmb", LOAD_NOT_DATA_FILE},
        {dir + "/foreign.kmb", LOAD_NOT_DATA_FILE},
        {dir + "/good.kmb", LOAD_OK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CKmdEntryFile file;
        EXPECT_EQ(c.why == LOAD_OK, file.Append(c.path.c_str()));
        EXPECT_EQ(c.why, file.GetLoadReport().failure);
    }
    EXPECT_EQ(FILE_MISSING, KindOfFile((dir + "/missing.kmb").c_str()));
    EXPECT_EQ(FILE_REGULAR, KindOfFile((dir + "/good.kmb").c_str()));
    EXPECT_EQ(FILE_OTHER, KindOfFile(dir.c_str()));
}

// A file whose valid header claims more records than this process can hold adds nothing
// and throws nothing; the entries of the files before it stay.
TEST(RegularFilesOnly, HugeCountInABigFileIsRefusedAsAWhole) {
    if (sizeof(void*) != 4)
        GTEST_SKIP() << "a 64-bit process holds it (and 2 GiB of entries are no test)";
    const std::string dir = FreshDir("hugecount");
    WriteBytes(dir + "/good.kmb", Header(1) + Record(0x10, 1, 0, 0, 0, "kept"));
    // 118 MiB of 8-byte records: more entries than a 32-bit process can take.
    const std::string big = dir + "/big.kmb";
    {
        std::FILE* f = std::fopen(big.c_str(), "wb");
        ASSERT_NE(nullptr, f);
        const std::string head = Header(0xFFFFFFFFu);
        std::fwrite(head.data(), 1, head.size(), f);
        std::fseek(f, 118L * 1024 * 1024 - 1, SEEK_SET);
        std::fputc(0, f);
        std::fclose(f);
    }
    CKmdEntryFile file;
    ASSERT_TRUE(file.Append((dir + "/good.kmb").c_str()));
    EXPECT_FALSE(file.Append(big.c_str()));
    EXPECT_EQ(LOAD_TOO_LARGE, file.GetLoadReport().failure);
    EXPECT_EQ(1, file.GetCount());
    CKmdDate first;
    ASSERT_TRUE(file.GetAt(0, first));
    EXPECT_STREQ("kept", first.NameField());
    std::remove(big.c_str());
}
