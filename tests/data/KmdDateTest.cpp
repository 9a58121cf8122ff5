#include "data/KmdDate.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {
std::string Packed(const CKmdDate& e) {
    unsigned char buf[CKmdDate::PackedSize()];
    EXPECT_TRUE(e.Pack(buf, sizeof buf));
    return std::string(reinterpret_cast<char*>(buf), sizeof buf);
}
} // namespace

TEST(KmdDate, DefaultRecordIsEmptyDayTypeAndPacksToZeros) {
    CKmdDate e;
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(DT_DAY, e.GetFlags().GetType());
    EXPECT_EQ(std::string(CKmdDate::PackedSize(), '\0'), Packed(e));
}

TEST(KmdDate, SettersRefuseOutOfRangeAndChangeNothing) {
    CKmdDate e;
    ASSERT_TRUE(e.SetStartMonth(5));
    ASSERT_TRUE(e.SetEndMonth(9));
    ASSERT_TRUE(e.SetStartDay(3));
    ASSERT_TRUE(e.SetEndDay(30));
    ASSERT_TRUE(e.SetWeekday(7));
    const std::string before = Packed(e);
    EXPECT_FALSE(e.SetStartMonth(13));
    EXPECT_FALSE(e.SetEndMonth(13));
    EXPECT_FALSE(e.SetStartDay(32));
    EXPECT_FALSE(e.SetEndDay(32));
    EXPECT_FALSE(e.SetWeekday(8));
    EXPECT_FALSE(e.SetName(nullptr));
    EXPECT_FALSE(e.GetName(nullptr));
    EXPECT_EQ(before, Packed(e));

    EXPECT_TRUE(e.SetStartMonth(0)); // clears the start month only
    EXPECT_EQ(0u, e.GetStartMonth());
    EXPECT_EQ(9u, e.GetEndMonth());
}

TEST(KmdDate, WeekdayKeepsTheHighNibbleOfAStoredByte) {
    unsigned char img[CKmdDate::PackedSize()] = {};
    img[3] = 0xA3;
    CKmdDate e;
    ASSERT_TRUE(e.Unpack(img, sizeof img));
    EXPECT_EQ(3u, e.GetWeekday());
    ASSERT_TRUE(e.SetWeekday(5));
    EXPECT_EQ(0xA5, static_cast<unsigned char>(Packed(e)[3]));
}

TEST(KmdDateFlags, TypeWeekAndBitSetters) {
    CKmdDateFlags f;
    EXPECT_FALSE(f.SetWeek(6));
    EXPECT_TRUE(f.SetWeek(5));
    EXPECT_EQ(0x00A0, f.GetWord());
    EXPECT_TRUE(f.SetType(9)); // fits, though no rule matches it
    EXPECT_EQ(9u, f.GetType());
    EXPECT_FALSE(f.SetType(16));
    EXPECT_EQ(0x00A9, f.GetWord());
    f.SetHoliday(true);
    f.SetShiftLater(true);
    EXPECT_EQ(0x22A9, f.GetWord());
    f.SetHoliday(false);
    EXPECT_EQ(0x20A9, f.GetWord());
    unsigned char two[2];
    EXPECT_FALSE(f.Pack(two, 1));
    EXPECT_TRUE(f.Pack(two, 2));
    EXPECT_EQ(0xA9, two[0]);
    EXPECT_EQ(0x20, two[1]);
}

TEST(KmdDate, SetNameCutsAt127BytesAndDropsOneLineFeed) {
    CKmdDate e;
    char out[128];
    ASSERT_TRUE(e.SetName(std::string(200, 'x').c_str()));
    ASSERT_TRUE(e.GetName(out));
    EXPECT_EQ(std::string(127, 'x'), std::string(out));
    EXPECT_EQ(0, out[127]);

    e.SetName("abc\n");
    e.GetName(out);
    EXPECT_STREQ("abc", out);
    e.SetName("abc\n\n");
    e.GetName(out);
    EXPECT_STREQ("abc\n", out);
    e.SetName("");
    EXPECT_TRUE(e.IsEmpty());

    // A line feed as byte 128 is beyond the cut and stays out; byte 127 is the last kept.
    std::string s(126, 'y');
    s += '\n';
    s += 'z';
    e.SetName(s.c_str());
    e.GetName(out);
    EXPECT_EQ(std::string(126, 'y'), std::string(out));
    // A shorter name after a longer one leaves zeros behind it.
    e.SetName("ab");
    e.GetName(out);
    for (int i = 2; i < 128; ++i)
        ASSERT_EQ(0, out[i]);
}

TEST(KmdDate, PackLayoutByteByByte) {
    CKmdDate e;
    e.SetStartMonth(12);
    e.SetEndMonth(3);
    e.SetStartDay(25);
    e.SetEndDay(31);
    e.SetWeekday(6);
    CKmdDateFlags f;
    f.SetType(DT_MONTHLY);
    f.SetPaydayShift(true);
    f.SetShiftSatSunHol(true);
    e.SetFlags(f);
    e.SetName("給料日");
    const std::string p = Packed(e);
    EXPECT_EQ('\xC3', p[0]);
    EXPECT_EQ(25, p[1]);
    EXPECT_EQ(31, p[2]);
    EXPECT_EQ(6, p[3]);
    EXPECT_EQ(0x03, p[4]);
    EXPECT_EQ(0x18, p[5]);
    EXPECT_EQ(std::string("\x8B\x8B\x97\xBF\x93\xFA", 6), p.substr(6, 6));
    EXPECT_EQ(std::string(122, '\0'), p.substr(12));

    unsigned char small[CKmdDate::PackedSize()];
    std::memset(small, 0x55, sizeof small);
    EXPECT_FALSE(e.Pack(small, 133));
    EXPECT_EQ(0x55, small[0]);
    CKmdDate back;
    EXPECT_FALSE(back.Unpack(small, 133));
    EXPECT_TRUE(back.IsEmpty());
    EXPECT_TRUE(back.Unpack(reinterpret_cast<const unsigned char*>(p.data()), p.size()));
    EXPECT_EQ(p, Packed(back));
}

TEST(KmdDate, CopyAssignmentAndClear) {
    CKmdDate e;
    e.SetStartMonth(4);
    e.SetName("名前");
    CKmdDate c(e);
    EXPECT_EQ(Packed(e), Packed(c));
    CKmdDate& self = e;
    e = self;
    EXPECT_EQ(Packed(c), Packed(e));
    e.Clear();
    EXPECT_EQ(std::string(CKmdDate::PackedSize(), '\0'), Packed(e));
}
