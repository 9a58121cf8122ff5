// The binary reader and writer: agreement on random lists, refusals, damaged files, and a
// writer that never leaves a half-written target.
#include "DataTestUtil.h"
#include "TestUtil.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#endif

namespace {
std::vector<std::string> ListDir(const std::string& dir) {
    std::vector<std::string> names;
#ifdef _WIN32
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "/*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do
            names.push_back(fd.cFileName);
        while (FindNextFileA(h, &fd));
        FindClose(h);
    }
#else
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            names.push_back(e->d_name);
        closedir(d);
    }
#endif
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& n) { return n == "." || n == ".."; }),
                names.end());
    std::sort(names.begin(), names.end());
    return names;
}

// Raw generator output only: the distributions of the standard library differ between
// implementations, the engine does not.
CKmdDate RandomEntry(std::mt19937& rng) {
    unsigned length = rng() % 128;
    if (rng() % 8 == 0)
        length = rng() % 2 ? 0 : 127;
    std::string name;
    for (unsigned i = 0; i < length; ++i)
        name += static_cast<char>(rng() % 255 + 1);
    return RawEntry(rng() & 0xFF, rng() & 0xFF, rng() & 0xFF, rng() & 0xFF, rng() & 0xFFFF, name);
}

// The file the writer must produce, built without it.
std::string ExpectedFile(const std::vector<CKmdDate>& list) {
    std::string b = Header(static_cast<std::uint32_t>(list.size()));
    for (const CKmdDate& e : list) {
        const std::string image = Image(e);
        const std::string name = image.substr(6, image.find('\0', 6) - 6);
        b += image.substr(0, 6) + Le16(static_cast<unsigned>(name.size())) + name;
    }
    return b;
}

class DataFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        SYSTEMTIME now{};
        now.wYear = 2024;
        now.wMonth = 6;
        now.wDay = 1;
        SetClockOverride(&now);
        dir = FreshDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { SetClockOverride(nullptr); }

    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        WriteBytes(path, bytes);
        return path;
    }

    std::string dir;
};

TEST_F(DataFileIo, WriterAndBothReadersAgreeByteForByteOnRandomLists) {
    std::mt19937 rng(20261208u);
    for (int round = 0; round < 30; ++round) {
        std::vector<CKmdDate> list;
        const unsigned n = round == 0 ? 0 : rng() % 40;
        CKmdDataFile source;
        for (unsigned i = 0; i < n; ++i) {
            list.push_back(RandomEntry(rng));
            source.Add(list.back());
        }
        const std::string path = dir + "/r.kmb";
        ASSERT_TRUE(source.Write(path.c_str()));
        const std::string bytes = ReadBytes(path);
        ASSERT_EQ(ExpectedFile(list), bytes) << "round " << round;

        CKmdDataFile read;
        read.Add(RawEntry(0x11, 1, 1, 1, 0, "old"));
        ASSERT_TRUE(read.Read(path.c_str()));
        EXPECT_EQ(Images(source), Images(read));

        CKmdDataFile appended;
        appended.Add(RawEntry(0x11, 1, 1, 1, 0, "kept"));
        ASSERT_TRUE(appended.Append(path.c_str()));
        std::vector<std::string> tail = Images(appended);
        ASSERT_EQ(n + 1, tail.size());
        EXPECT_EQ(Image(RawEntry(0x11, 1, 1, 1, 0, "kept")), tail.front());
        tail.erase(tail.begin());
        EXPECT_EQ(Images(source), tail);
        // Both readers fill the holiday table alike from the same entries.
        CKmdDataFile fresh;
        ASSERT_TRUE(fresh.Append(path.c_str()));
        EXPECT_EQ(Masks(read), Masks(fresh));

        const std::string again = dir + "/again.kmb";
        ASSERT_TRUE(read.Write(again.c_str()));
        EXPECT_EQ(bytes, ReadBytes(again));
    }
}

TEST_F(DataFileIo, EveryRefusalLeavesEntriesHolidaysAndVersionAsBefore) {
    // A held list with a holiday, so that a refusal touching the table would show.
    const std::string good =
        File("good.kmb", Header(2) + Record(0x10, 1, 0, 0, DF_HOLIDAY | DT_DAY, "元日") +
                             Record(0, 25, 0, 0, DT_MONTHLY, "給料日"));
    const std::string folder = FreshDir(dir.substr(4) + "/folder.kmb"); // under dir
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing file", dir + "/missing.kmb"},
        {"empty file", File("empty.kmb", "")},
        {"3-byte file", File("three.kmb", std::string("\x00\x00\x02", 3))},
        {"version only", File("four.kmb", Le32(0x20000))},
        {"7-byte header", File("seven.kmb", Le32(0x20000) + std::string(3, '\0'))},
        {"low half 1 (01 00 02 00)", File("low.kmb", Header(0, 0x20001))},
        {"high half 1 (00 00 01 00)", File("high.kmb", Header(0, 0x10000))},
        {"version 3", File("v3.kmb", Header(0, 0x30000) + Record(0, 1, 0, 0, 0, "x"))},
        {"a folder", folder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int reader = 0; reader < 2; ++reader) {
            CKmdDataFile file;
            ASSERT_TRUE(file.Read(good.c_str()));
            const auto images = Images(file);
            const auto masks = Masks(file);
            ASSERT_TRUE(file.GetHolidays().IsHoliday(1, 1));
            EXPECT_FALSE(reader ? file.Append(c.path.c_str()) : file.Read(c.path.c_str()));
            EXPECT_EQ(images, Images(file));
            EXPECT_EQ(masks, Masks(file));
            EXPECT_EQ(FILE_VERSION, file.GetVersion());
        }
    }
    CKmdDataFile file;
    EXPECT_FALSE(file.Read(nullptr));
    EXPECT_FALSE(file.Append(nullptr));
    EXPECT_FALSE(file.ImportText(nullptr));
    EXPECT_FALSE(file.ImportText((dir + "/missing.kmd").c_str()));
    EXPECT_EQ(0, file.GetCount());

    // After a refused foreign file the editor still saves the current version.
    EXPECT_FALSE(file.Read(cases[6].path.c_str()));
    const std::string out = dir + "/out.kmb";
    ASSERT_TRUE(file.Write(out.c_str()));
    EXPECT_EQ(Header(0), ReadBytes(out));
}

TEST_F(DataFileIo, FileOfEightBytesWithCountZeroGivesAnEmptyList) {
    CKmdDataFile file;
    file.Add(RawEntry(0, 1, 0, 0, 0, "old"));
    EXPECT_TRUE(file.Read(File("zero.kmb", Header(0)).c_str()));
    EXPECT_EQ(0, file.GetCount());
    // Bytes after the last record are not looked at.
    EXPECT_TRUE(file.Read(File("tail.kmb", Header(0) + "garbage").c_str()));
    EXPECT_EQ(0, file.GetCount());
}

TEST_F(DataFileIo, NameLongerThan127KeepsItsFirst127BytesAndReadingGoesOn) {
    std::string long200;
    for (int i = 0; i < 200; ++i)
        long200 += static_cast<char>('A' + i % 26);
    const std::string path = File("long.kmb", Header(2) + Record(0x12, 3, 4, 5, 0x0203, long200) +
                                                  Record(0x34, 5, 6, 7, 0x0001, "next"));
    for (int reader = 0; reader < 2; ++reader) {
        CKmdDataFile file;
        ASSERT_TRUE(reader ? file.Append(path.c_str()) : file.Read(path.c_str()));
        ASSERT_EQ(2, file.GetCount());
        CKmdDate e;
        file.GetAt(0, e);
        EXPECT_EQ(Image(RawEntry(0x12, 3, 4, 5, 0x0203, long200.substr(0, 127))), Image(e));
        file.GetAt(1, e);
        EXPECT_EQ(Image(RawEntry(0x34, 5, 6, 7, 0x0001, "next")), Image(e));
    }
}

// Each damage in its own case: what the record cut by the end keeps, and that it ends the list.
TEST_F(DataFileIo, DamagedFilesKeepWhatWasReadInFull) {
    const std::string first = Record(0x11, 2, 3, 4, 0x0105, "one");
    const std::string second = Record(0x56, 7, 8, 1, 0x2003, "two");
    const std::string name150(150, 'n');
    const struct {
        const char* what;
        std::string bytes;
        std::vector<CKmdDate> expected;
    } cases[] = {
        {"count 3, 2 records present",
         Header(3) + first + second,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), RawEntry(0x56, 7, 8, 1, 0x2003, "two"),
          CKmdDate()}},
        {"count 4 billion on an 8-byte file", Header(0xFFFFFFFFu), {CKmdDate()}},
        {"count 2 billion after one record",
         Header(0x80000000u) + first,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), CKmdDate()}},
        {"cut name keeps the bytes present",
         Header(1) + Record(0x21, 9, 0, 2, 0x0003, "abcd", 10),
         {RawEntry(0x21, 9, 0, 2, 0x0003, "abcd")}},
        {"cut inside the skipped excess of a long name",
         Header(2) + Record(0x21, 9, 0, 2, 0x0003, name150, 300) + second,
         {RawEntry(0x21, 9, 0, 2, 0x0003, name150.substr(0, 127))}},
        {"cut inside the length word",
         Header(2) + first + Record(0x77, 1, 2, 3, 0x0204, "").substr(0, 7),
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), RawEntry(0x77, 1, 2, 3, 0x0204, "")}},
        {"cut inside the flags word",
         Header(1) + Record(0x77, 1, 2, 3, 0x0204, "").substr(0, 5),
         {RawEntry(0x77, 1, 2, 3, 0, "")}},
        {"cut after two bytes",
         Header(1) + std::string("\x31\x05", 2),
         {RawEntry(0x31, 5, 0, 0, 0, "")}},
        {"count 1 with a record and more bytes after it",
         Header(1) + first + second,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one")}},
        {"a name with a NUL inside is kept as read",
         Header(1) + Record(0, 1, 0, 0, 0, std::string("a\0b", 3)),
         {RawEntry(0, 1, 0, 0, 0, std::string("a\0b", 3))}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = File("damaged.kmb", c.bytes);
        std::vector<std::string> expected;
        for (const CKmdDate& e : c.expected)
            expected.push_back(Image(e));
        CKmdDataFile read, appended;
        EXPECT_TRUE(read.Read(path.c_str()));
        EXPECT_EQ(expected, Images(read));
        EXPECT_TRUE(appended.Append(path.c_str()));
        EXPECT_EQ(expected, Images(appended));
    }
}

TEST_F(DataFileIo, AppendTwiceGivesTheEntriesTwiceInFileOrder) {
    const std::string path = File("two.kmb", Header(2) + Record(0x10, 1, 0, 0, DF_HOLIDAY, "元日") +
                                                 Record(0, 25, 0, 0, DT_MONTHLY, "給料日"));
    CKmdDataFile file;
    ASSERT_TRUE(file.Append(path.c_str()));
    ASSERT_TRUE(file.Append(path.c_str()));
    const auto images = Images(file);
    ASSERT_EQ(4u, images.size());
    EXPECT_EQ(images[0], images[2]);
    EXPECT_EQ(images[1], images[3]);
    EXPECT_EQ(Image(RawEntry(0, 25, 0, 0, DT_MONTHLY, "給料日")), images[1]);
    EXPECT_TRUE(file.GetHolidays().IsHoliday(1, 1));
}

TEST_F(DataFileIo, NamesWrittenWithTheirLengthUpToTheFirstNulAtMost127) {
    CKmdDataFile file;
    file.Add(RawEntry(0x10, 1, 0, 0, 0, ""));
    file.Add(RawEntry(0x10, 2, 0, 0, 0, std::string(127, 'x')));
    file.Add(RawEntry(0x10, 3, 0, 0, 0, std::string(128, 'y'))); // no NUL in the field
    file.Add(RawEntry(0x10, 4, 0, 0, 0, std::string("ab\0cd", 5)));
    const std::string path = dir + "/names.kmb";
    ASSERT_TRUE(file.Write(path.c_str()));
    EXPECT_EQ(Header(4) + Record(0x10, 1, 0, 0, 0, "") +
                  Record(0x10, 2, 0, 0, 0, std::string(127, 'x')) +
                  Record(0x10, 3, 0, 0, 0, std::string(127, 'y')) + Record(0x10, 4, 0, 0, 0, "ab"),
              ReadBytes(path));
    CKmdDataFile back;
    ASSERT_TRUE(back.Read(path.c_str()));
    CKmdDate e;
    back.GetAt(0, e);
    EXPECT_TRUE(e.IsEmpty());
    back.GetAt(1, e);
    EXPECT_EQ(Image(RawEntry(0x10, 2, 0, 0, 0, std::string(127, 'x'))), Image(e));
    back.GetAt(2, e);
    EXPECT_EQ(Image(RawEntry(0x10, 3, 0, 0, 0, std::string(127, 'y'))), Image(e));
}

TEST_F(DataFileIo, WriteReplacesTheWholeTargetAndLeavesNoTemporaryFile) {
    const std::string path = File("t.kmb", std::string(5000, 'z'));
    CKmdDataFile file;
    file.Add(RawEntry(0x10, 1, 0, 0, 0, "a"));
    ASSERT_TRUE(file.Write(path.c_str()));
    EXPECT_EQ(Header(1) + Record(0x10, 1, 0, 0, 0, "a"), ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"t.kmb"}, ListDir(dir));
}

TEST_F(DataFileIo, WriteThatCannotWriteReturnsFalseAndChangesNothing) {
    CKmdDataFile file;
    file.Add(RawEntry(0x10, 1, 0, 0, 0, "a"));
    EXPECT_FALSE(file.Write(nullptr));
    EXPECT_FALSE(file.Write(""));

    // Target in a missing folder.
    EXPECT_FALSE(file.Write((dir + "/no/such/folder/x.kmb").c_str()));
    EXPECT_TRUE(ListDir(dir).empty());

    // Target is a folder: it stays a folder with its content, and no temporary file is left.
    const std::string sub = FreshDir(dir.substr(4) + "/target.kmb");
    WriteBytes(sub + "/inner", "keep");
    EXPECT_FALSE(file.Write(sub.c_str()));
    EXPECT_EQ(std::vector<std::string>{"target.kmb"}, ListDir(dir));
    EXPECT_EQ("keep", ReadBytes(sub + "/inner"));
}

TEST(KmdDateRecord, StreamWriteAndReadOfOneRecord) {
    const CKmdDate e = RawEntry(0x45, 29, 5, 0x12, 0x0208, "ゴールデンウィーク");
    std::ostringstream out;
    ASSERT_TRUE(e.WriteTo(out));
    const std::string bytes = out.str();
    EXPECT_EQ(Record(0x45, 29, 5, 0x12, 0x0208, "ゴールデンウィーク"), bytes);

    std::istringstream in(bytes + Record(1, 2, 3, 4, 5, "z"));
    CKmdDate a, b;
    EXPECT_TRUE(a.ReadFrom(in));
    EXPECT_TRUE(b.ReadFrom(in));
    EXPECT_EQ(Image(e), Image(a));
    EXPECT_EQ(Image(RawEntry(1, 2, 3, 4, 5, "z")), Image(b));

    // A record cut inside its name keeps what was present and says it was cut.
    std::istringstream cut(bytes.substr(0, 11));
    CKmdDate c;
    EXPECT_FALSE(c.ReadFrom(cut));
    EXPECT_EQ(Image(RawEntry(0x45, 29, 5, 0x12, 0x0208, bytes.substr(8, 3))), Image(c));
    std::istringstream empty("");
    CKmdDate d;
    EXPECT_FALSE(d.ReadFrom(empty));
    EXPECT_TRUE(d.IsEmpty());
}

TEST(DataFileList, OperationsRefuseIndexesAtOrPastTheCount) {
    CKmdDataFile file;
    const CKmdDate a = RawEntry(0x10, 1, 0, 0, 0, "a"), b = RawEntry(0x20, 2, 0, 0, 0, "b"),
                   c = RawEntry(0x30, 3, 0, 0, 0, "c");
    CKmdDate out = c;
    EXPECT_FALSE(file.GetAt(0, out));
    EXPECT_EQ(Image(c), Image(out)); // untouched
    EXPECT_FALSE(file.SetAt(0, a));
    EXPECT_FALSE(file.InsertAt(0, a)); // an index equal to the count: appending is Add's
    EXPECT_FALSE(file.RemoveAt(0));
    EXPECT_EQ(0, file.GetCount());

    EXPECT_TRUE(file.Add(a));
    EXPECT_TRUE(file.Add(c));
    EXPECT_TRUE(file.InsertAt(1, b));
    EXPECT_FALSE(file.InsertAt(3, a));
    EXPECT_FALSE(file.InsertAt(static_cast<unsigned>(-1), a));
    EXPECT_EQ((std::vector<std::string>{Image(a), Image(b), Image(c)}), Images(file));

    EXPECT_TRUE(file.SetAt(2, a));
    EXPECT_FALSE(file.SetAt(3, b));
    EXPECT_FALSE(file.GetAt(static_cast<unsigned>(-1), out));
    EXPECT_TRUE(file.GetAt(1, out));
    EXPECT_EQ(Image(b), Image(out));
    // Copies go in: changing the original afterwards changes nothing held.
    out.SetName("changed");
    EXPECT_TRUE(file.GetAt(1, out));
    EXPECT_EQ(Image(b), Image(out));

    EXPECT_TRUE(file.RemoveAt(0));
    EXPECT_FALSE(file.RemoveAt(2));
    EXPECT_EQ((std::vector<std::string>{Image(b), Image(a)}), Images(file));
    // Inserting an entry of the list itself before it.
    EXPECT_TRUE(file.GetAt(1, out));
    EXPECT_TRUE(file.InsertAt(0, out));
    EXPECT_EQ((std::vector<std::string>{Image(a), Image(b), Image(a)}), Images(file));
    file.RemoveAll();
    EXPECT_EQ(0, file.GetCount());
}
} // namespace
