// The editor start from the chip menu and from the helper, with a stand-in editor beside a
// copy of the plug-in in a directory whose name ends in a double-byte character: 表 ends in
// 0x5C, ル, ン and メ in a byte with a lead byte's value.
#include "DialogDriver.h"
#include "TestUtil.h"
#include "Win32TestUtil.h"
#include "plugin/Resource.h"

#include <gtest/gtest.h>

namespace {
class ToolStart : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        FreshDir(GetParam());
        dir = WorkDir() + "tmp_" + GetParam() + "\\";
        ASSERT_TRUE(
            CopyFileA(BinPath("Koyomiru.dxl").c_str(), (dir + "Koyomiru.dxl").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(BinPath("..\\testbin\\KmbTool.exe").c_str(),
                              (dir + "KmbTool.exe").c_str(), FALSE));
        ASSERT_TRUE(copy.Load(dir + "Koyomiru.dxl"));
        ASSERT_EQ(copy.InitializeChip(&state), 0);
    }
    void TearDown() override {
        if (copy.Module())
            copy.UnInitializeChip(state);
    }

    // The stand-in's record: its path, command line and current directory.
    std::vector<std::string> WaitForStart() {
        const std::string file = dir + "started.txt";
        for (int i = 0; i < 200 && GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            Pump(50);
        std::vector<std::string> lines;
        std::string text = ReadBytes(file), line;
        for (char c : text) {
            if (c == '\n')
                lines.push_back(line), line.clear();
            else
                line += c;
        }
        DeleteFileA(file.c_str());
        return lines;
    }
    void ExpectStartedPlainly(const std::vector<std::string>& record) {
        ASSERT_EQ(record.size(), 3u);
        EXPECT_EQ(record[0], dir + "KmbTool.exe");
        // No parameters: the command line is the program's name alone, quoted or not.
        std::string cmd = record[1];
        while (!cmd.empty() && cmd.back() == ' ')
            cmd.pop_back();
        EXPECT_TRUE(cmd == dir + "KmbTool.exe" || cmd == "\"" + dir + "KmbTool.exe\"") << cmd;
        // No working directory given: the editor inherits the host's.
        char here[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, here);
        EXPECT_EQ(record[2], here);
    }

    CPlugin copy;
    std::string dir;
    HLOCAL state = nullptr;
};
} // namespace

TEST_P(ToolStart, MenuCommandStartsTheEditorBesideThePlugin) {
    EXPECT_EQ(copy.DoDrawExMenu(state, nullptr, 10002), 0);
    ExpectStartedPlainly(WaitForStart());
}

// The helper starts the editor from the same path as the menu: one folder shows it.
class ToolStartHelper : public ToolStart {};

TEST_P(ToolStartHelper, HelperButtonStartsItAndStaysOpen) {
    std::vector<std::string> record;
    EditHelperRecord helper = {0, 0, nullptr};
    CDialogDriver driver;
    driver.On("Koyomiru Helper", [](HWND d) { Press(d, IDC_RUN_TOOL); });
    driver.On("Koyomiru Helper", [&](HWND d) {
        record = WaitForStart(); // the dialog is still open meanwhile
        Press(d, IDCANCEL);
    });
    EXPECT_EQ(copy.EditHelper(nullptr, &helper), 1);
    EXPECT_TRUE(driver.AllDone());
    ExpectStartedPlainly(record);
    EXPECT_EQ(helper.text, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Folders, ToolStart,
                         ::testing::Values("表", "ツール", "プラグイン", "アニメ"));
INSTANTIATE_TEST_SUITE_P(Folder, ToolStartHelper, ::testing::Values("表"));
