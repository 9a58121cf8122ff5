// Legacy text files in code page 932 and in the UTF-8 today's Notepad writes, through the
// importer: the name each file's one entry gets, as code page 932 bytes.
#include "data/KmdEntryFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(LegacyText, NamesOfCp932AndUtf8FilesImportAsCp932) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* what;
        std::string before, name; // the file: before + an entry of 1 January named name
        std::string expected;
    } cases[] = {
        {"code page 932 read as it is", "# 祝日\r\n", "夏季", "夏季"},
        {"UTF-8 with a BOM", bom, u8"給料日", "給料日"},
        {"BOM and a comment line", bom + u8"# 種別\r\n", u8"元日", "元日"},
        {"UTF-8 without BOM that also reads as code page 932", "", u8"給料日", "給料日"},
        {"UTF-8 without BOM", u8"# 種別 開始月\r\n", u8"燃えるゴミ", "燃えるゴミ"},
        {"half-width katakana and full-width signs", "", u8"ｺﾞﾐ～－", "ｺﾞﾐ～－"},
        {"characters code page 932 lacks, one ? each", bom, u8"寿司🍣〜é", "寿司???"},
        {"lacking characters in a file that is no code page 932", "", u8"元日🍣", "元日?"},
        {"code page 932 that happens to be UTF-8 (of a y with acute)", "", "ﾃｽ", "ﾃｽ"},
        {"code page 932 that is no UTF-8", u8"# 種別\r\n", "給料日", "給料日"},
        {"invalid UTF-8 after a BOM, one ? a byte", bom, "a\xFF\xE3\x81z", "a???z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = c.before + "0 1 1 0 0 0 0 " + c.name + "\r\n";
        CKmdEntryFile file;
        ASSERT_TRUE(
            file.ImportTextBytes(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
        EXPECT_EQ(0u, file.GetLoadReport().importStopLine);
        ASSERT_EQ(1, file.GetCount());
        CKmdDate e;
        file.GetAt(0, e);
        EXPECT_EQ(c.expected, e.NameField());
    }
}
