#include "winui/ShutdownReason.h"

namespace {
// mingw-w64 declares both and its libuser32.a has them, but a direct import would keep the
// program from starting on Windows XP (_WIN32_WINNT 0x0501), whose user32 lacks them: they
// are looked up in user32 at run time.
void* User32(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<void*>(GetProcAddress(user32, name)) : nullptr;
}
} // namespace

void GiveShutdownReason(HWND window, const wchar_t* reason) {
    typedef BOOL(WINAPI * Create)(HWND, LPCWSTR);
    if (Create create = reinterpret_cast<Create>(User32("ShutdownBlockReasonCreate")))
        create(window, reason);
}

void WithdrawShutdownReason(HWND window) {
    typedef BOOL(WINAPI * Destroy)(HWND);
    if (Destroy destroy = reinterpret_cast<Destroy>(User32("ShutdownBlockReasonDestroy")))
        destroy(window);
}
