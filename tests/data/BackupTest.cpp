// The backup step before a save: one generation, named from the file-name part only.
#include "KmbBuilder.h"
#include "TestUtil.h"
#include "data/KmdEntryFile.h"

#include <gtest/gtest.h>

#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {
// The separator the platform's own paths use, so that the Windows build sees backslashes.
#ifdef _WIN32
const std::string SEP = "\\";
#else
const std::string SEP = "/";
#endif

std::string Native(std::string path) {
    for (char& c : path)
        if (c == '/')
            c = SEP[0];
    return path;
}
} // namespace

TEST(MakeBackup, ReplacesTheBakFileByACopyOfTheTarget) {
    const std::string dir = FreshDir("backup_replace");
    WriteBytes(dir + "/a.kmb", "current");
    WriteBytes(dir + "/a.bak", "older generation, longer");
    MakeBackup(Native(dir + "/a.kmb").c_str());
    EXPECT_EQ("current", ReadBytes(dir + "/a.bak"));
    EXPECT_EQ("current", ReadBytes(dir + "/a.kmb"));
}

TEST(MakeBackup, NoTargetNoBackup) {
    const std::string dir = FreshDir("backup_none");
    WriteBytes(dir + "/b.bak", "unrelated");
    EXPECT_TRUE(MakeBackup(Native(dir + "/b.kmb").c_str())); // a new file: the save goes on
    EXPECT_FALSE(Exists(dir + "/b.kmb"));
    EXPECT_EQ("unrelated", ReadBytes(dir + "/b.bak"));
    EXPECT_FALSE(MakeBackup(nullptr));
    EXPECT_FALSE(MakeBackup(""));
}

TEST(MakeBackup, DotOnlyInTheFolderNameAppendsBakToTheFileName) {
    const std::string dir = FreshDir("backup_folder.dot");
    FreshDir("backup_folder.dot/v1.0");
    WriteBytes(dir + "/v1.0/data", "data");
    // What a search for the last "." in the whole path would have replaced.
    WriteBytes(dir + "/v1.bak", "beside the folder");
    MakeBackup(Native(dir + "/v1.0/data").c_str());
    EXPECT_EQ("data", ReadBytes(dir + "/v1.0/databak"));
    EXPECT_EQ("beside the folder", ReadBytes(dir + "/v1.bak"));
}

TEST(MakeBackup, FileNameWithoutDotGetsBakAppended) {
    const std::string dir = FreshDir("backup_nodot");
    WriteBytes(dir + "/plain", "p");
    MakeBackup(Native(dir + "/plain").c_str());
    EXPECT_EQ("p", ReadBytes(dir + "/plainbak"));
    // A name that ends in its "." keeps it: "b." + "bak".
    WriteBytes(dir + "/b.", "b");
    MakeBackup(Native(dir + "/b.").c_str());
    EXPECT_EQ("b", ReadBytes(dir + "/b.bak"));
}

// 表 is 95 5C: its trail byte is the separator's byte but no separator.
TEST(MakeBackup, DoubleByteCharacterEndingIn5CIsNoSeparator) {
    const std::string dir = FreshDir("backup_sjis");
    // A folder name ending in 表 before the file name.
    const std::string folder = FreshDir("backup_sjis/予定表");
    WriteBytes(folder + "/a.kmb", "in folder");
    MakeBackup(Native(folder + "/a.kmb").c_str());
    EXPECT_EQ("in folder", ReadBytes(folder + "/a.bak"));
    // A file name with a "." before 表: the dot is in the file-name part.
    WriteBytes(dir + "/x.表", "x");
    MakeBackup(Native(dir + "/x.表").c_str());
    EXPECT_EQ("x", ReadBytes(dir + "/x.bak"));
    // A folder with a "." and 表, and a file name without ".".
    const std::string dotted = FreshDir("backup_sjis/d.表");
    WriteBytes(dotted + "/表", "y");
    MakeBackup(Native(dotted + "/表").c_str());
    EXPECT_EQ("y", ReadBytes(dotted + "/表bak"));
    EXPECT_FALSE(Exists(dir + "/d.bak"));
}

TEST(MakeBackup, TargetNamedLikeItsBackupIsLeftAlone) {
    const std::string dir = FreshDir("backup_self");
    WriteBytes(dir + "/x.bak", "the data itself");
    MakeBackup(Native(dir + "/x.bak").c_str());
    EXPECT_EQ("the data itself", ReadBytes(dir + "/x.bak"));
}

// Folder names whose last character ends in 0x5C or in a byte with a lead byte's value.
TEST(MakeBackup, LandsInFoldersNamedInDoubleByteCharacters) {
    FreshDir("backup_folders");
    for (const char* folder : {"ツール", "プラグイン", "アニメ", "表", "ソ", "能"}) {
        SCOPED_TRACE(folder);
        const std::string dir = FreshDir(std::string("backup_folders/") + folder);
        WriteBytes(dir + "/a.kmb", folder);
        MakeBackup(Native(dir + "/a.kmb").c_str());
        EXPECT_EQ(folder, ReadBytes(dir + "/a.bak"));
    }
}

// A folder where the target or its backup should be: no backup, so no save.
TEST(MakeBackup, RefusesAFolderAsTargetOrAsBackup) {
    const std::string dir = FreshDir("backup_folder_kinds");
    const std::string folder = FreshDir("backup_folder_kinds/t.kmb");
    EXPECT_FALSE(MakeBackup(Native(folder).c_str()));
    WriteBytes(dir + "/u.kmb", "u");
    FreshDir("backup_folder_kinds/u.bak");
    EXPECT_FALSE(MakeBackup(Native(dir + "/u.kmb").c_str()));
    EXPECT_EQ("u", ReadBytes(dir + "/u.kmb"));
}

#ifndef _WIN32
// The copy that cannot be finished leaves the previous generation and no scrap.
TEST(MakeBackup, CopyCutShortKeepsTheOldBackup) {
    const std::string dir = FreshDir("backup_limit");
    WriteBytes(dir + "/a.kmb", std::string(3000, 'n'));
    WriteBytes(dir + "/a.bak", "old generation");
    bool made = true;
    ASSERT_TRUE(WithFileSizeLimit(1000, [&] { made = MakeBackup((dir + "/a.kmb").c_str()); }));
    EXPECT_FALSE(made);
    EXPECT_EQ("old generation", ReadBytes(dir + "/a.bak"));
    EXPECT_FALSE(Exists(dir + "/a.bak.tmp~"));
}

// Links planted under the temporary names are neither followed nor replaced.
TEST(MakeBackup, LinksUnderTheTemporaryNamesAreNotFollowed) {
    const std::string dir = FreshDir("backup_links");
    WriteBytes(dir + "/victim", "victim");
    WriteBytes(dir + "/a.kmb", "data");
    ASSERT_EQ(0, symlink("victim", (dir + "/a.bak.tmp~").c_str()));
    ASSERT_EQ(0, symlink("victim", (dir + "/a.kmb.tmp~").c_str()));
    ASSERT_EQ(0, symlink("nowhere", (dir + "/a.kmb.tmp~1").c_str())); // dangling
    EXPECT_TRUE(MakeBackup((dir + "/a.kmb").c_str()));
    EXPECT_EQ("data", ReadBytes(dir + "/a.bak"));
    CKmdEntryFile file;
    ASSERT_TRUE(file.Write((dir + "/a.kmb").c_str()));
    EXPECT_EQ(Header(0), ReadBytes(dir + "/a.kmb"));
    EXPECT_EQ("victim", ReadBytes(dir + "/victim"));
    EXPECT_FALSE(Exists(dir + "/nowhere"));
}
#endif
