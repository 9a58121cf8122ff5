// The chunked walk over a file gives the records the walk over the same bytes in memory gives:
// records that straddle the 64 KB chunks, names far longer than an entry keeps, a count that
// promises more or fewer records than there are, and a file cut anywhere.
#include "KmbBuilder.h"
#include "TestUtil.h"
#include "data/KmbFileWalk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(KmbFileWalk, GivesTheRecordsOfTheBytesInMemory) {
    const std::string dir = FreshDir("walk");
    const CKmbWalkBuffer buffer;
    ASSERT_NE(buffer.Bytes(), nullptr);
    std::mt19937 rng(23);
    for (int round = 0; round < 60; ++round) {
        std::string body;
        std::uint32_t records = 0;
        while (body.size() < 3 * CKmbWalkBuffer::CHUNK_SIZE && records < 400) {
            const unsigned length = rng() % 8 == 0 ? 60000 + rng() % 5536 : rng() % 140;
            body += Record(rng() % 256, rng() % 32, rng() % 32, rng() % 16, rng() % 65536,
                           std::string(length, static_cast<char>('a' + records % 26)));
            ++records;
        }
        std::string bytes = Header(records + rng() % 3 - 1) + body;
        if (round % 3 == 1)
            bytes.resize(8 + rng() % (bytes.size() - 8)); // cut anywhere after the header
        const std::string path = dir + "/w" + std::to_string(round) + ".kmb";
        WriteBytes(path, bytes);

        CKmbFileWalk walk(buffer);
        LoadFailure why;
        ASSERT_TRUE(walk.Open(path.c_str(), why)) << round;
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
        CKmbCursor cursor(p, bytes.size());
        EXPECT_EQ(cursor.Count().promised, walk.Count().promised);
        KmbRecordBytes a{}, b{};
        unsigned n = 0;
        for (bool more = true; more; ++n) {
            more = cursor.Next(a);
            ASSERT_EQ(more, walk.Next(b)) << round << " record " << n;
            if (!more)
                break;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(a.bytes), a.available),
                      std::string(reinterpret_cast<const char*>(b.bytes), b.available))
                << round << " record " << n;
            EXPECT_EQ(a.nameLength, b.nameLength);
            EXPECT_EQ(a.whole, b.whole);
            EXPECT_EQ(b.name - b.bytes, a.name - a.bytes);
        }
    }
    // Not a data file, or nothing at all: refused with the reason.
    WriteBytes(dir + "/short.kmb", Header(0).substr(0, 7));
    CKmbFileWalk walk(buffer);
    LoadFailure why = LOAD_OK;
    EXPECT_FALSE(walk.Open((dir + "/short.kmb").c_str(), why));
    EXPECT_EQ(LOAD_NOT_DATA_FILE, why);
    EXPECT_FALSE(walk.Open((dir + "/none.kmb").c_str(), why));
    EXPECT_EQ(LOAD_MISSING, why);
}
