// The real KmbTool.exe: started as a program, two at once, each with its own file.
#include "GuiUtil.h"
#include "TestUtil.h"
#include "editor/Resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {
struct Found {
    DWORD pid;
    const char* title;
    HWND window;
};

BOOL CALLBACK FindTopProc(HWND w, LPARAM lp) {
    Found* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char title[128] = {};
    GetWindowTextA(w, title, sizeof title);
    if (pid == f->pid && IsWindowVisible(w) &&
        (f->title ? std::string(title) == f->title : std::string(title) != "KmbTool")) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process: titled `title`, or any other when null.
HWND WaitForWindow(DWORD pid, const char* title) {
    for (int i = 0; i < 200; ++i) {
        Found f = {pid, title, nullptr};
        EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&f));
        if (f.window)
            return f.window;
        Sleep(50);
    }
    return nullptr;
}

int Rows(HWND main) {
    return static_cast<int>(SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_GETITEMCOUNT, 0, 0));
}
} // namespace

TEST(KmbToolProgram, TwoEditorsRunSideBySide) {
    const std::string dir = FreshDir("program");
    // Two entries in the binary format: a day and a period.
    const std::string kmb = std::string("\x00\x00\x02\x00\x02\x00\x00\x00", 8) +
                            std::string("\x10\x01\x00\x00\x00\x00\x04\x00", 8) + "元日" +
                            std::string("\x1C\x01\x1F\x00\x08\x00\x04\x00", 8) + "毎日";
    WriteBytes(dir + "/two.kmb", kmb);
    PROCESS_INFORMATION pi[2] = {};
    HWND main[2] = {};
    for (int i = 0; i < 2; ++i) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string cmd = BinPath("KmbTool.exe");
        std::vector<char> line(cmd.begin(), cmd.end());
        line.push_back(0);
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &si, &pi[i]));
        main[i] = WaitForWindow(pi[i].dwProcessId, "KmbTool");
        ASSERT_NE(main[i], nullptr);
    }
    EXPECT_NE(main[0], main[1]);
    // The first opens a file through its open dialog; the second keeps its empty list.
    PostMessageA(main[0], WM_COMMAND, IDC_OPEN, 0);
    HWND open = WaitForWindow(pi[0].dwProcessId, nullptr);
    ASSERT_NE(open, nullptr);
    const std::string path = WorkDir() + "tmp_program\\two.kmb";
    SendDlgItemMessageA(open, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(open, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && Rows(main[0]) != 2; ++i)
        Sleep(50);
    EXPECT_EQ(Rows(main[0]), 2);
    EXPECT_EQ(Rows(main[1]), 0);
    char text[MAX_PATH] = {};
    GetDlgItemTextA(main[0], IDC_PATH, text, sizeof text);
    EXPECT_EQ(std::string(text), path);
    GetDlgItemTextA(main[1], IDC_PATH, text, sizeof text);
    EXPECT_EQ(std::string(text), "新規ファイル");
    // Nothing modified: each closes at once and its program ends.
    for (int i = 1; i >= 0; --i) {
        PostMessageA(main[i], WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(pi[i].hProcess, 10000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(pi[i].hProcess, &code);
        EXPECT_EQ(code, 0u);
        if (WaitForSingleObject(pi[i].hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(pi[i].hProcess, 1);
        CloseHandle(pi[i].hThread);
        CloseHandle(pi[i].hProcess);
    }
}
