// koyomihost, the test host, against the generator called here and against koyomi --raw.
#include "TestUtil.h"
#include "Win32TestUtil.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace {
std::string Quote(const std::string& s) {
    return "\"" + s + "\"";
}

class Host : public ::testing::Test {
protected:
    // The host's texts in English, whatever this system's language.
    static void SetUpTestSuite() {
        char value[64] = "";
        GetEnvironmentVariableA("LC_ALL", value, sizeof value);
        locale() = value;
        SetEnvironmentVariableA("LC_ALL", "C");
    }
    static void TearDownTestSuite() {
        SetEnvironmentVariableA("LC_ALL", locale().empty() ? nullptr : locale().c_str());
    }
    static std::string& locale() {
        static std::string saved;
        return saved;
    }
    void SetUp() override {
        dir = FreshDir("host");
        WriteBytes(dir + "/a.kmb", KmbBytes({EveryDay("ごみの日"), OnDay(2, 30, "来ない日")}));
        WriteBytes(dir + "/b.kmb", KmbBytes({EveryDay("表示ソ能")}));
        chip = WorkDir() + "tmp_host\\a.kmb\r\n" + dir + "/b.kmb\r\nmissing-%year%.kmb";
        WriteBytes(dir + "/chip.txt", chip);
    }
    std::string Run(const std::string& args, int& code) {
        const std::string out = dir + "/out.bin";
        code = RunProcess(Quote(BinPath("koyomihost.exe")) + " " + args, out);
        return ReadBytes(out);
    }

    std::string dir, chip;
};
} // namespace

TEST_F(Host, PrintsTheChipTextBytesUnchanged) {
    int code = 0;
    const std::string text = Run(Quote(BinPath("Koyomiru.dxl")) + " " + dir + "/chip.txt", code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, ExpectedText(chip, Today()));
    EXPECT_NE(text.find("\r\nごみの日\r\n表示ソ能"), std::string::npos);
}

TEST_F(Host, ExchangeGivesTheSameText) {
    int code = 0;
    const std::string text =
        Run("--exchange " + Quote(BinPath("Koyomiru.dxl")) + " " + dir + "/chip.txt", code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, ExpectedText(chip, Today()));
}

TEST_F(Host, MissingPluginOrFileIsAnError) {
    int code = 0;
    EXPECT_EQ(Run(dir + "/none.dxl " + dir + "/chip.txt", code), "");
    EXPECT_EQ(code, 1);
    Run(Quote(BinPath("Koyomiru.dxl")) + " " + dir + "/none.txt", code);
    EXPECT_EQ(code, 1);
    Run("", code);
    EXPECT_EQ(code, 2);
    // A library without the exports: any system DLL will do.
    Run("C:\\windows\\system32\\version.dll " + dir + "/chip.txt", code);
    EXPECT_EQ(code, 1);
}

// The lines the plug-in leaves out, named as the plug-in reads them; a tab before a line, a
// space after it, quotes around it and a notice suffix are dropped, as the plug-in and
// Windows drop them, and a suffix out of range is part of the path.
TEST_F(Host, NamesEachLineThatAddsNothingOnStandardError) {
    FreshDir("host/folder.kmb");
    WriteBytes(dir + "/text.kmb", "not a data file");
    const std::string tooLong = dir + "/" + std::string(260, 'x');
    WriteBytes(dir + "/lines.txt", "\t" + dir + "/a.kmb \r\n\"" + dir + "/a.kmb\"\n" + dir +
                                       "/folder.kmb\n\n" + dir + "/text.kmb\r\n" + tooLong +
                                       "\r\n" + dir + "/missing-%YEAR%.kmb\n" + dir + "/a.kmb*3\n" +
                                       dir + "/a.kmb*32");
    EXPECT_EQ(RunProcess(Quote(BinPath("koyomihost.exe")) + " " + Quote(BinPath("Koyomiru.dxl")) +
                             " " + dir + "/lines.txt",
                         dir + "/out.bin", "", dir + "/err.txt"),
              0);
    EXPECT_NE(ReadBytes(dir + "/out.bin").find("\r\nごみの日"), std::string::npos);
    const std::string w = "koyomihost: warning: " + dir;
    const std::string missing = ": no such file in " + CurrentFolder() + "; it adds nothing\n";
    EXPECT_EQ(ReadBytes(dir + "/err.txt"),
              w + "/folder.kmb: not a regular file; it adds nothing\n" + w +
                  "/text.kmb: not a data file of this version; it adds nothing\n" +
                  "koyomihost: warning: " + tooLong + ": longer than 259 bytes; it adds nothing\n" +
                  w + "/missing-" + std::to_string(Today().wYear) + ".kmb" + missing + w +
                  "/a.kmb*32" + missing);
}

namespace {
// The legacy text as a user's file holds it: code page 932 with CR LF.
std::string LegacyBytes(const std::string& utf8) {
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    std::wstring wide(crlf.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, crlf.data(), static_cast<int>(crlf.size()),
                                    &wide[0], static_cast<int>(wide.size())));
    std::string out(wide.size() * 2, '\0');
    out.resize(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), &out[0],
                                   static_cast<int>(out.size()), nullptr, nullptr));
    return out;
}
} // namespace

TEST_F(Host, EqualsKoyomiRawForTheBundledExamples) {
    const std::string koyomi = BinPath("koyomi.exe");
    if (GetFileAttributesA(koyomi.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "koyomi.exe not built";
    const std::string ex = FreshDir("examples");
    const std::string exDir = WorkDir() + "tmp_examples";
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(SourcePath("examples\\*.kmd.txt").c_str(), &fd);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int converted = 0;
    do {
        std::string stem = fd.cFileName;
        stem.erase(stem.size() - 8); // ".kmd.txt"
        WriteBytes(ex + "/" + stem + ".kmd",
                   LegacyBytes(ReadBytes(SourcePath("examples\\" + std::string(fd.cFileName)))));
        int code = RunProcess(Quote(koyomi) + " convert " + stem + ".kmd " + stem + ".kmb",
                              ex + "/convert.out", exDir);
        EXPECT_EQ(code, 0) << stem;
        EXPECT_TRUE(Exists(ex + "/" + stem + ".kmb")) << stem;
        ++converted;
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    EXPECT_GT(converted, 3);
    WriteBytes(ex + "/chip.txt", ReadBytes(SourcePath("examples\\chip.txt")));

    // Both read the chip's relative paths from the examples folder.
    const int hostCode = RunProcess(Quote(BinPath("koyomihost.exe")) + " " +
                                        Quote(BinPath("Koyomiru.dxl")) + " chip.txt",
                                    ex + "/host.bin", exDir);
    const int koyomiCode =
        RunProcess(Quote(koyomi) + " --raw --chip chip.txt", ex + "/koyomi.bin", exDir);
    EXPECT_EQ(hostCode, 0);
    EXPECT_EQ(koyomiCode, 0);
    const std::string host = ReadBytes(ex + "/host.bin");
    EXPECT_EQ(host.rfind("今日は、", 0), 0u);
    EXPECT_EQ(host, ReadBytes(ex + "/koyomi.bin"));
}
