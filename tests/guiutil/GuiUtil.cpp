#include "GuiUtil.h"

#include <gtest/gtest.h>

#include <vector>

int RunProcess(const std::string& commandLine, const std::string& outFile, const std::string& dir,
               const std::string& errFile) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE out = CreateFileA(outFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return -1;
    HANDLE err = errFile.empty() ? GetStdHandle(STD_ERROR_HANDLE)
                                 : CreateFileA(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = err;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back(0);
    const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        dir.empty() ? nullptr : dir.c_str(), &si, &pi);
    CloseHandle(out);
    if (!errFile.empty() && err != INVALID_HANDLE_VALUE)
        CloseHandle(err);
    if (!started)
        return -1;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

CProgram::CProgram(const std::string& commandLine, const std::string& dir) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             dir.empty() ? nullptr : dir.c_str(), &si, &pi) != FALSE;
}

CProgram::~CProgram() {
    if (!started)
        return;
    if (!WaitEnd(0))
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

bool CProgram::WaitEnd(DWORD ms) const {
    return started && WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0;
}

DWORD CProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started)
        GetExitCodeProcess(pi.hProcess, &code);
    return code;
}

std::string WorkDir() {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    std::string s = dir;
    if (s.empty() || s.back() != '\\')
        s += '\\';
    return s;
}

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// The dialog's size in dialog units, from its client area.
SIZE DialogUnits(HWND dialog) {
    RECT r = {0, 0, 4, 8};
    MapDialogRect(dialog, &r);
    RECT c;
    GetClientRect(dialog, &c);
    return {MulDiv(c.right, 4, r.right), MulDiv(c.bottom, 8, r.bottom)};
}

// A control's rectangle in dialog units.
RECT ItemUnits(HWND dialog, int id) {
    RECT unit = {0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {MulDiv(r.left, 4, unit.right), MulDiv(r.top, 8, unit.bottom),
            MulDiv(r.right - r.left, 4, unit.right), MulDiv(r.bottom - r.top, 8, unit.bottom)};
}

void ExpectUnits(HWND dialog, int id, int x, int y, int w, int h) {
    const RECT r = ItemUnits(dialog, id);
    EXPECT_NEAR(r.left, x, 1) << id;
    EXPECT_NEAR(r.top, y, 1) << id;
    EXPECT_NEAR(r.right, w, 1) << id;
    EXPECT_NEAR(r.bottom, h, 1) << id;
}
