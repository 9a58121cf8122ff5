// The packaged editor as a user meets it: started from the unpacked release folder (the
// working directory), it opens each sample data file through its open dialog and lists the
// file's entries. Run by check-package.sh, not as a test of its own.
#include "EditorGuiUtil.h"
#include "TestUtil.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The packaged data files: sample\*.kmb of the release folder.
std::vector<std::string> SampleFiles() {
    std::vector<std::string> kmb;
    for (const std::string& path : FilesIn(WorkDir() + "sample"))
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".kmb") == 0)
            kmb.push_back(path);
    return kmb;
}
} // namespace

TEST(PackagedEditor, OpensEachSampleAndShowsItsRows) {
    const std::vector<std::string> samples = SampleFiles();
    ASSERT_FALSE(samples.empty()) << "no sample\\*.kmb under " << WorkDir();
    const CProgram editor("\"" + WorkDir() + "KmbTool.exe\"");
    ASSERT_TRUE(editor.Started()) << WorkDir();
    HWND main = WaitForWindow(editor.Id(), "KmbTool");
    ASSERT_NE(main, nullptr);
    for (const std::string& path : samples) {
        const auto expected = ExpectedRows(path, false);
        ASSERT_FALSE(expected.empty()) << path;
        // Each file opens over the last, unmodified one, so no question comes first.
        PostMessageA(main, WM_COMMAND, IDC_OPEN, 0);
        ASSERT_TRUE(AnswerFileDialogOf(editor.Id(), path)) << path;
        WaitUntil([&] { return RowCount(main) == static_cast<int>(expected.size()); });
        EXPECT_EQ(ListRows(main), expected) << path;
        char shown[MAX_PATH] = {};
        GetDlgItemTextA(main, IDC_PATH, shown, sizeof shown);
        EXPECT_EQ(std::string(shown), path);
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitEnd(10000));
}
