#include "editor/win32/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

std::string StartPath() {
    // Parsed as UTF-16: quotes and spaces, and a code page 932 trail byte 0x5C before a quote,
    // are no matter of the narrow parser.
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args)
        return std::string();
    std::wstring arg = count > 1 ? args[1] : L"";
    LocalFree(args);
    if (arg.empty())
        return std::string();
    // Full now, before a file dialog changes the current folder.
    std::vector<wchar_t> full(MAX_PATH);
    DWORD length =
        GetFullPathNameW(arg.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length =
            GetFullPathNameW(arg.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length > 0 && length < full.size())
        arg.assign(full.data(), length);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, arg.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1)
        return std::string();
    std::string path(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, arg.c_str(), -1, &path[0], bytes, nullptr, nullptr);
    path.resize(static_cast<std::size_t>(bytes - 1));
    return path;
}
