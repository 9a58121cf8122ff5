#include "Win32TestUtil.h"

#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "plugin/MemoString.h"

#include <cstring>

const std::vector<std::string>& ExportNames() {
    static const std::vector<std::string> names = {"CalcDefaultRect",
                                                   "DoDrawExMenu",
                                                   "DoTimer",
                                                   "DrawChip",
                                                   "DrawExAbout",
                                                   "DrawExConfigure",
                                                   "DrawExSpecification",
                                                   "EditHelper",
                                                   "ExchangeSendString",
                                                   "GetDrawExMenu",
                                                   "GetMemoString",
                                                   "GetSaveData",
                                                   "GetTimerSpan",
                                                   "InitializeChip",
                                                   "MouseClik",
                                                   "Resize",
                                                   "UnInitializeChip",
                                                   "Update",
                                                   "Zoom"};
    return names;
}

CPlugin& ShippedDxl() {
    static CPlugin dxl;
    if (!dxl.Module())
        dxl.Load(BinPath("Koyomiru.dxl"));
    return dxl;
}

void UpdateChip(CPlugin& dxl, HLOCAL state, const char* text) {
    unsigned char record[CHIP_RECORD_SIZE];
    std::memset(record, 0xEE, sizeof record); // only the pointer at 72 may be read
    std::memcpy(record + CHIP_TEXT_OFFSET, &text, sizeof text);
    dxl.Update(state, reinterpret_cast<void*>(0x1234), record);
}

std::string ChipText(CPlugin& dxl, HLOCAL state) {
    const int n = dxl.GetMemoString(state, nullptr, 0);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    dxl.GetMemoString(state, &text[0], n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

SYSTEMTIME Today() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return st;
}

std::string ExpectedText(const std::string& chipText, const SYSTEMTIME& date) {
    HLOCAL slot = nullptr;
    const int n = MakeMemoString(chipText.c_str(), date, &slot);
    std::string text;
    if (slot) {
        if (const char* p = static_cast<const char*>(LocalLock(slot))) {
            text.assign(p, static_cast<std::size_t>(n));
            LocalUnlock(slot);
        }
        LocalFree(slot);
    }
    return text;
}

int RunProcess(const std::string& commandLine, const std::string& outFile, const std::string& dir) {
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE out = CreateFileA(outFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return -1;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back(0);
    const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        dir.empty() ? nullptr : dir.c_str(), &si, &pi);
    CloseHandle(out);
    if (!started)
        return -1;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
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
