// A chip text kept in a file, as koyomi --chip and the test host read it and as the host writes
// the helper's change back: Windows names files with code page 932 bytes, a native system with
// the UTF-8 the file holds.
#include "data/ChipFile.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <string>

TEST(ChipFile, TextOfEachEncodingAndTheBytesThatHoldItAgain) {
    const std::string bom = "\xEF\xBB\xBF", sushi = u8"寿司🍣.kmb";
    const struct {
        const char* what;
        std::string file;
        std::string windows, native; // the chip text read
        ChipEncoding windowsEncoding, nativeEncoding;
        bool windowsWhole;
    } cases[] = {
        {"code page 932", "給料.kmb\r\nb.kmb", "給料.kmb\r\nb.kmb", "給料.kmb\r\nb.kmb",
         CHIP_AS_NAMED, CHIP_AS_NAMED, true},
        {"UTF-8 as Notepad saves it", u8"給料.kmb\r\n", "給料.kmb\r\n", u8"給料.kmb\r\n", CHIP_UTF8,
         CHIP_AS_NAMED, true},
        {"a mark before ASCII", bom + "a.kmb\n", "a.kmb\n", "a.kmb\n", CHIP_UTF8_BOM, CHIP_UTF8_BOM,
         true},
        {"a character code page 932 lacks", bom + sushi, "寿司?.kmb", sushi, CHIP_UTF8_BOM,
         CHIP_UTF8_BOM, false},
        {"a NUL ends the text", std::string("a.kmb\0b.kmb", 11), "a.kmb", "a.kmb", CHIP_AS_NAMED,
         CHIP_AS_NAMED, false},
    };
    const bool windows = NamesAreCp932();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ChipFileText read =
            ChipTextOfBytes(reinterpret_cast<const unsigned char*>(c.file.data()), c.file.size());
        EXPECT_EQ(windows ? c.windows : c.native, read.text);
        EXPECT_EQ(windows ? c.windowsEncoding : c.nativeEncoding, read.encoding);
        // Natively nothing is converted, so only a NUL loses anything.
        EXPECT_EQ(windows ? c.windowsWhole : c.file.find('\0') == std::string::npos, read.whole);
        if (!read.whole)
            continue;
        EXPECT_EQ(c.file, ChipFileBytes(read.text, read.encoding));
        // The helper's appended path, written back and read again, in the file's encoding.
        const std::string added = read.text + "\r\nC:\\予定\\表.kmb";
        const std::string bytes = ChipFileBytes(added, read.encoding);
        EXPECT_EQ(read.encoding == CHIP_UTF8_BOM, bytes.compare(0, 3, bom) == 0);
        const ChipFileText again =
            ChipTextOfBytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        EXPECT_EQ(added, again.text);
        EXPECT_EQ(read.encoding, again.encoding);
    }
}
