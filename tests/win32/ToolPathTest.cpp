// Where the library looks for the editor: the directory of its own file, found double-byte
// aware, both as a function and as a copy of the library loaded from such a directory.
#include "plugin/ToolPath.h"
#include "TestUtil.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
std::string Build(const std::string& moduleName) {
    char out[TOOL_PATH_SIZE];
    std::memset(out, 'x', sizeof out);
    BuildToolPath(moduleName.c_str(), out);
    return out;
}

typedef int(WINAPI* ToolPathProc)(char* buffer, int size);

// The editor path a test copy of the library, loaded from dir, worked out.
std::string LoadedToolPath(const std::string& dir) {
    const std::string copy = dir + "\\KoyomiruTest.dxl";
    if (!CopyFileA(BinPath("KoyomiruTest.dxl").c_str(), copy.c_str(), FALSE))
        return "(copy failed)";
    HMODULE m = LoadLibraryA(copy.c_str());
    if (!m)
        return "(load failed)";
    std::string path = "(no seam)";
    if (auto proc = reinterpret_cast<ToolPathProc>(
            reinterpret_cast<void*>(GetProcAddress(m, "KoyomiruTestToolPath")))) {
        char buffer[TOOL_PATH_SIZE] = {};
        proc(buffer, sizeof buffer);
        path = buffer;
    }
    FreeLibrary(m);
    return path;
}
} // namespace

TEST(ToolPath, IsTheEditorBesideTheLibrary) {
    EXPECT_EQ(Build("C:\\Program Files\\memo\\Koyomiru.dxl"),
              "C:\\Program Files\\memo\\KmbTool.exe");
    EXPECT_EQ(Build("\\Koyomiru.dxl"), "\\KmbTool.exe");
    EXPECT_EQ(Build("C:\\"), "C:\\KmbTool.exe");
}

TEST(ToolPath, WithoutBackslashIsTheBareName) {
    EXPECT_EQ(Build("Koyomiru.dxl"), "KmbTool.exe");
    EXPECT_EQ(Build(""), "KmbTool.exe");
    EXPECT_EQ(Build("C:/memo/Koyomiru.dxl"), "KmbTool.exe"); // only the backslash separates
}

TEST(ToolPath, SkipsTheTrailByteOfADoubleByteCharacter) {
    // 表 is 95 5C: its second byte is no separator.
    EXPECT_EQ(Build("C:\\memo\\表\\Koyomiru.dxl"), "C:\\memo\\表\\KmbTool.exe");
    EXPECT_EQ(Build("C:\\表示ソ能.dxl"), "C:\\KmbTool.exe");
    EXPECT_EQ(Build("表.dxl"), "KmbTool.exe");
    // A backslash at index 0 needs no lead-byte test.
    EXPECT_EQ(Build("\\表.dxl"), "\\KmbTool.exe");
}

// ル, ン and メ end in a byte with a lead byte's value, 表, ソ and 能 in 0x5C: the separator
// after each is found all the same.
TEST(ToolPath, FolderNamesEndingInAnyTrailByte) {
    for (const char* folder : {"ツール", "プラグイン", "アニメ", "表", "ソ", "能"}) {
        SCOPED_TRACE(folder);
        const std::string dir = std::string("C:\\memo\\") + folder + "\\";
        EXPECT_EQ(Build(dir + "Koyomiru.dxl"), dir + "KmbTool.exe");
        EXPECT_EQ(Build(dir + folder + ".dxl"), dir + "KmbTool.exe");
    }
}

TEST(ToolPath, StaysEmptyWhenTheEditorsPathWouldNotFit) {
    const std::string fits(TOOL_PATH_SIZE - 1 - 11 - 1, 'd'); // dir + "\" + name = 259 bytes
    EXPECT_EQ(Build(fits + "\\K.dxl"), fits + "\\KmbTool.exe");
    const std::string tooLong = fits + "d";
    EXPECT_EQ(Build(tooLong + "\\K.dxl"), "");
}

TEST(ToolPath, LoadedLibraryFindsItsOwnDirectory) {
    const std::string work = WorkDir();
    std::string plain = work + "tmp_plain_dir";
    CreateDirectoryA(plain.c_str(), nullptr);
    EXPECT_EQ(LoadedToolPath(plain), plain + "\\KmbTool.exe");

    const std::string kanji = work + "tmp_表示";
    CreateDirectoryA(kanji.c_str(), nullptr);
    ASSERT_NE(GetFileAttributesA(kanji.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(LoadedToolPath(kanji), kanji + "\\KmbTool.exe");
    const std::string nested = kanji + "\\表";
    CreateDirectoryA(nested.c_str(), nullptr);
    EXPECT_EQ(LoadedToolPath(nested), nested + "\\KmbTool.exe");
    for (const char* folder : {"ツール", "プラグイン", "アニメ"}) {
        const std::string dir = work + "tmp_" + folder;
        CreateDirectoryA(dir.c_str(), nullptr);
        EXPECT_EQ(LoadedToolPath(dir), dir + "\\KmbTool.exe") << folder;
    }
}
