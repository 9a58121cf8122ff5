// The holidays a load marks in the data file with matching: both readers and the import fill
// the table alike, and a refused load leaves it as it was.
#include "DataTestUtil.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {
inline std::vector<std::uint32_t> Masks(const CKmdDataFile& file) {
    std::vector<std::uint32_t> out;
    for (unsigned m = 1; m <= 12; ++m)
        out.push_back(file.GetHolidays().GetMask(m));
    return out;
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

struct Target {
    const char* what;
    std::string path;
};

// What lies in wait for a reader on this platform; each would block or never end if read.
std::vector<Target> NotRegular(const std::string& dir) {
    std::vector<Target> t = {{"folder", FreshDir(dir.substr(4) + "/folder.kmb")}};
#ifdef _WIN32
    for (const char* device : {"NUL", "CON", "COM1", "C:\\NUL.kmb"})
        t.push_back({device, device});
    t.push_back({"pipe whose server never writes", "\\\\.\\pipe\\koyomi-silent"});
#else
    const std::string fifo = dir + "/fifo.kmb";
    mkfifo(fifo.c_str(), 0600);
    t.push_back({"FIFO without a writer", fifo});
    t.push_back({"/dev/zero", "/dev/zero"});
    t.push_back({"/dev/null", "/dev/null"});
#endif
    return t;
}
} // namespace

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

TEST(RegularFilesOnly, ReadersRefuseFoldersDevicesAndPipesAndKeepWhatIsHeld) {
    const std::string dir = FreshDir("notregular");
    const std::string good = dir + "/good.kmb";
    WriteBytes(good, Header(1) + Record(0x10, 1, 0, 0, DF_HOLIDAY, "元日"));
#ifdef _WIN32
    // A server that never connects nor writes: reading from it would wait forever.
    HANDLE server = CreateNamedPipeA("\\\\.\\pipe\\koyomi-silent", PIPE_ACCESS_DUPLEX,
                                     PIPE_TYPE_BYTE | PIPE_WAIT, 4, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
#endif
    for (const Target& t : NotRegular(dir)) {
        SCOPED_TRACE(t.what);
        CKmdDataFile file;
        ASSERT_TRUE(file.Append(good.c_str()));
        EXPECT_FALSE(file.Append(t.path.c_str()));
        EXPECT_NE(LOAD_OK, file.GetLoadReport().failure);
        EXPECT_FALSE(file.Read(t.path.c_str()));
        EXPECT_FALSE(file.ImportText(t.path.c_str()));
        EXPECT_EQ(1, file.GetCount());
        EXPECT_TRUE(file.GetHolidays().IsHoliday(1, 1));
        CRegularFile opened;
        EXPECT_FALSE(opened.Open(t.path.c_str()));
    }
#ifdef _WIN32
    CloseHandle(server);
#endif
}

TEST_F(LegacyImport, ReplacesTheListAndMarksItsHolidays) {
    const std::string path = dir + "/h.kmd";
    WriteBytes(path, "0 1 1 0 0 0 1 元日\n10 8 13 8 16 0 1 夏休み\n");
    CKmdDataFile file;
    file.Add(Jan1("old"));
    ASSERT_TRUE(file.ImportText(path.c_str()));
    EXPECT_EQ(2, file.GetCount());
    EXPECT_TRUE(file.GetHolidays().IsHoliday(1, 1));
    EXPECT_TRUE(file.GetHolidays().IsHoliday(8, 16));
    EXPECT_FALSE(file.GetHolidays().IsHoliday(8, 17));

    // A file that cannot be opened changes nothing, the stop line included.
    WriteBytes(path, "0 1 1 0 0 0 0 a\nx\n");
    ASSERT_TRUE(file.ImportText(path.c_str()));
    ASSERT_EQ(2u, file.GetLoadReport().importStopLine);
    const auto images = Images(file);
    const auto masks = Masks(file);
    EXPECT_FALSE(file.ImportText((dir + "/missing.kmd").c_str()));
    const std::string folder = FreshDir("import/folder.kmd");
    EXPECT_FALSE(file.ImportText(folder.c_str()));
    EXPECT_EQ(images, Images(file));
    EXPECT_EQ(masks, Masks(file));
    EXPECT_EQ(2u, file.GetLoadReport().importStopLine);
}
