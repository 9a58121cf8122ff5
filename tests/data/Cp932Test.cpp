// Narrow literals are code page 932 bytes in both builds.
#include <cstring>
#include <gtest/gtest.h>

TEST(Cp932Literals, CompileToShiftJisBytes) {
    const char* hyo = "表";
    ASSERT_EQ(2u, std::strlen(hyo));
    EXPECT_EQ('\x95', hyo[0]);
    EXPECT_EQ('\x5C', hyo[1]); // a trail byte equal to the backslash, kept intact
    EXPECT_EQ(0, std::strcmp("\x95\x5C\x8E\xA6\x83\x5C\x94\x5C", "表示ソ能"));
    // The day text header and the error text, byte counts of their Shift-JIS form.
    EXPECT_EQ(36u, std::strlen("今日は、%04d/%02d/%02d %s曜日です。\n"));
    EXPECT_EQ(28u, std::strlen("データファイル読み込みエラー"));
    EXPECT_EQ(2u, std::strlen("ｷｬ")); // half-width katakana are single bytes
}
