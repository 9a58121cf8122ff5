// Where a path's file-name part starts, for folder names whose last character's trail byte is
// 0x5C or has a lead byte's value.
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
std::size_t Start(const std::string& path, PathSeparators separators = BACKSLASH_OR_SLASH) {
    return FileNameStart(path.c_str(), path.size(), separators);
}
} // namespace

// ル 83 8B, ン 83 93 and メ 83 81 end in a lead byte's value; 表 95 5C, ソ 83 5C and 能 94 5C
// end in the backslash's byte.
const char* const kFolders[] = {"ツール", "プラグイン", "アニメ", "表", "ソ", "能"};

TEST(FileNameStart, FindsTheSeparatorAfterEveryFolderName) {
    for (const char* folder : kFolders) {
        SCOPED_TRACE(folder);
        for (const char* sep : {"\\", "/"}) {
            const std::string dir = std::string("C:\\memo\\") + folder + sep;
            EXPECT_EQ(dir.size(), Start(dir + "Koyomiru.dxl"));
            EXPECT_EQ(dir.size(), Start(dir + folder)); // and a file named like the folder
        }
        // A name of the folder's characters alone has no separator at all.
        EXPECT_EQ(0u, Start(folder));
        EXPECT_EQ(0u, Start(std::string(folder) + ".kmb"));
    }
}

TEST(FileNameStart, SeparatorsAndEnds) {
    struct Case {
        const char* path;
        std::size_t all, backslashOnly;
    } cases[] = {
        {"", 0, 0},
        {"a.kmb", 0, 0},
        {"\\a", 1, 1},
        {"C:\\", 3, 3},
        {"d/e\\f", 4, 4},
        {"d\\e/f", 4, 2},
        {"C:/memo/Koyomiru.dxl", 8, 0},
        // A lead byte as the last byte stands alone, so a separator before it still counts.
        {"d\\\x83", 2, 2},
        // After a lone lead byte at the end nothing follows to misread.
        {"\x83\\", 0, 0},
        // UTF-8 あ (E3 81 82) ends in a lead byte's value; "/" is never a trail byte.
        {"v1.\xE3\x81\x82/data", 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.all, Start(c.path));
        EXPECT_EQ(c.backslashOnly, Start(c.path, BACKSLASH_ONLY));
    }
    EXPECT_EQ(0u, FileNameStart(nullptr, 5));
    // Only `length` bytes are looked at.
    EXPECT_EQ(0u, FileNameStart("ab\\c", 2));
}
