// The packaged editor as a user meets it: started from the unpacked release folder (the
// working directory), it opens each sample data file through its open dialog and lists the
// file's entries. Run by check-package.sh, not as a test of its own.
#include "EditorGuiUtil.h"
#include "data/KmdDataFile.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<CKmdDate> EntriesOf(const std::string& path) {
    CKmdDataFile file;
    std::vector<CKmdDate> entries;
    if (!file.Read(path.c_str()))
        return entries;
    CKmdDate e;
    for (unsigned i = 0; file.GetAt(i, e); ++i)
        entries.push_back(e);
    return entries;
}

std::vector<std::string> SampleFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((WorkDir() + "sample\\*.kmb").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}
} // namespace

TEST(PackagedEditor, OpensEachSampleAndShowsItsRows) {
    const std::vector<std::string> names = SampleFiles();
    ASSERT_FALSE(names.empty()) << "no sample\\*.kmb under " << WorkDir();
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = "\"" + WorkDir() + "KmbTool.exe\"";
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back(0);
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &pi))
        << cmd;
    HWND main = WaitForWindow(pi.dwProcessId, "KmbTool");
    ASSERT_NE(main, nullptr);
    for (const std::string& name : names) {
        const std::string path = WorkDir() + "sample\\" + name;
        const std::vector<CKmdDate> entries = EntriesOf(path);
        ASSERT_FALSE(entries.empty()) << name;
        // Each file opens over the last, unmodified one, so no question comes first.
        PostMessageA(main, WM_COMMAND, IDC_OPEN, 0);
        ASSERT_TRUE(AnswerFileDialogOf(pi.dwProcessId, path)) << name;
        WaitUntil([&] { return RowCount(main) == static_cast<int>(entries.size()); });
        EXPECT_EQ(ListRows(main), Rendered(entries)) << name;
        char shown[MAX_PATH] = {};
        GetDlgItemTextA(main, IDC_PATH, shown, sizeof shown);
        EXPECT_EQ(std::string(shown), path);
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
