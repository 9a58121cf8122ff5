// Memory in the process that owns a window: common-control messages carry pointers, which
// mean nothing in another program, so their blocks are put there and read back from there.
#pragma once

#include <windows.h>

#include <cstddef>

class CRemoteMemory {
public:
    CRemoteMemory(HWND window, std::size_t size) : size(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process)
            block = static_cast<char*>(
                VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~CRemoteMemory() {
        if (block)
            VirtualFreeEx(process, block, 0, MEM_RELEASE);
        if (process)
            CloseHandle(process);
    }
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;

    char* At(std::size_t offset) const { return block + offset; }
    bool Put(const void* data, std::size_t n) const {
        return block && n <= size && WriteProcessMemory(process, block, data, n, nullptr);
    }
    bool Get(std::size_t offset, void* data, std::size_t n) const {
        return block && offset + n <= size &&
               ReadProcessMemory(process, block + offset, data, n, nullptr);
    }

private:
    std::size_t size;
    HANDLE process = nullptr;
    char* block = nullptr;
};
