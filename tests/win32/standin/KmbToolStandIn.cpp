// Stands in for the editor in the plug-in's tests: records how it was started (its own path,
// its command line and its current directory, one per line) in started.txt beside itself.
#include <windows.h>

#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    std::string record = std::string(self) + "\n" + GetCommandLineA() + "\n" + dir + "\n";
    std::string out = self;
    out.erase(out.find_last_of('\\') + 1);
    const std::string part = out + "started.part";
    HANDLE f = CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(f, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(f);
    // Renamed when complete, so that a reader never sees half a record.
    MoveFileExA(part.c_str(), (out + "started.txt").c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
