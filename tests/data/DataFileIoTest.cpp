// The binary reader and writer: long names, damaged files, and a writer that never leaves a
// half-written target. The random round trip and the refusals, which also check the holidays
// a load marks, are the calendar tests' (DataFileHolidaysTest.cpp).
#include "DataTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST_F(DataFileIo, FileOfEightBytesWithCountZeroGivesAnEmptyList) {
    CKmdEntryFile file;
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
        CKmdEntryFile file;
        ASSERT_TRUE(reader ? file.Append(path.c_str()) : file.Read(path.c_str()));
        ASSERT_EQ(2, file.GetCount());
        CKmdDate e;
        file.GetAt(0, e);
        EXPECT_EQ(Image(RawEntry(0x12, 3, 4, 5, 0x0203, long200.substr(0, 127))), Image(e));
        file.GetAt(1, e);
        EXPECT_EQ(Image(RawEntry(0x34, 5, 6, 7, 0x0001, "next")), Image(e));
    }
}

// Each damage in its own case: what the record cut by the end keeps, that it ends the list,
// and the load's report of it (promised, read and whole records).
TEST_F(DataFileIo, DamagedFilesKeepWhatWasReadInFull) {
    const std::string first = Record(0x11, 2, 3, 4, 0x0105, "one");
    const std::string second = Record(0x56, 7, 8, 1, 0x2003, "two");
    const std::string name150(150, 'n');
    const struct {
        const char* what;
        std::string bytes;
        std::vector<CKmdDate> expected;
        KmbRecordCount report; // promised, read, whole
    } cases[] = {
        {"count 3, 2 records present",
         Header(3) + first + second,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), RawEntry(0x56, 7, 8, 1, 0x2003, "two"),
          CKmdDate()},
         {3, 3, 2}},
        {"count 4 billion on an 8-byte file",
         Header(0xFFFFFFFFu),
         {CKmdDate()},
         {0xFFFFFFFFu, 1, 0}},
        {"count 2 billion after one record",
         Header(0x80000000u) + first,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), CKmdDate()},
         {0x80000000u, 2, 1}},
        {"cut name keeps the bytes present",
         Header(1) + Record(0x21, 9, 0, 2, 0x0003, "abcd", 10),
         {RawEntry(0x21, 9, 0, 2, 0x0003, "abcd")},
         {1, 1, 0}},
        {"cut inside the skipped excess of a long name",
         Header(2) + Record(0x21, 9, 0, 2, 0x0003, name150, 300) + second,
         {RawEntry(0x21, 9, 0, 2, 0x0003, name150.substr(0, 127))},
         {2, 1, 0}},
        {"cut inside the length word",
         Header(2) + first + Record(0x77, 1, 2, 3, 0x0204, "").substr(0, 7),
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one"), RawEntry(0x77, 1, 2, 3, 0x0204, "")},
         {2, 2, 1}},
        {"cut inside the flags word",
         Header(1) + Record(0x77, 1, 2, 3, 0x0204, "").substr(0, 5),
         {RawEntry(0x77, 1, 2, 3, 0, "")},
         {1, 1, 0}},
        {"cut after two bytes",
         Header(1) + std::string("\x31\x05", 2),
         {RawEntry(0x31, 5, 0, 0, 0, "")},
         {1, 1, 0}},
        {"count 1 with a record and more bytes after it",
         Header(1) + first + second,
         {RawEntry(0x11, 2, 3, 4, 0x0105, "one")},
         {1, 1, 1}},
        {"a name with a NUL inside is kept as read",
         Header(1) + Record(0, 1, 0, 0, 0, std::string("a\0b", 3)),
         {RawEntry(0, 1, 0, 0, 0, std::string("a\0b", 3))},
         {1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = File("damaged.kmb", c.bytes);
        std::vector<std::string> expected;
        for (const CKmdDate& e : c.expected)
            expected.push_back(Image(e));
        CKmdEntryFile read, appended;
        EXPECT_TRUE(read.Read(path.c_str()));
        EXPECT_EQ(expected, Images(read));
        EXPECT_TRUE(appended.Append(path.c_str()));
        EXPECT_EQ(expected, Images(appended));
        for (const CKmdEntryFile* file : {&read, &appended}) {
            const KmbRecordCount records = file->GetLoadReport().records;
            EXPECT_EQ(c.report.promised, records.promised);
            EXPECT_EQ(c.report.read, records.read);
            EXPECT_EQ(c.report.whole, records.whole);
            EXPECT_EQ(c.report.whole < c.report.promised, records.Cut());
        }
    }
}

TEST_F(DataFileIo, NamesWrittenWithTheirLengthUpToTheFirstNulAtMost127) {
    CKmdEntryFile file;
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
    CKmdEntryFile back;
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
    CKmdEntryFile file;
    file.Add(RawEntry(0x10, 1, 0, 0, 0, "a"));
    ASSERT_TRUE(file.Write(path.c_str()));
    EXPECT_EQ(Header(1) + Record(0x10, 1, 0, 0, 0, "a"), ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"t.kmb"}, ListDir(dir));
}

TEST_F(DataFileIo, WriteThatCannotWriteReturnsFalseAndChangesNothing) {
    CKmdEntryFile file;
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
    CKmdEntryFile file;
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
