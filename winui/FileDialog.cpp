#include "winui/FileDialog.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

namespace {
// The record without the later members, which older systems refuse: 76 bytes in 32 bits.
constexpr DWORD kOpenFileSize = offsetof(OPENFILENAMEA, pvReserved);
static_assert(sizeof(void*) != 4 || kOpenFileSize == 76, "32-bit record layout");

bool Ask(bool save, const FileDialogRequest& request, FileDialogResult& result) {
    const std::string filter = FilterWithNuls(request.filter);
    char file[MAX_PATH] = {};
    // A name that does not fit is not proposed rather than proposed cut.
    if (request.proposedName.size() < sizeof file)
        std::memcpy(file, request.proposedName.c_str(), request.proposedName.size() + 1);

    OPENFILENAMEA ofn;
    std::memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = kOpenFileSize;
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = request.defaultExtension;
    ofn.Flags = request.flags;

    char saved[MAX_PATH] = {};
    const DWORD savedLength = GetCurrentDirectoryA(MAX_PATH, saved);
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (request.restoreDirectory && savedLength > 0 && savedLength < MAX_PATH)
        SetCurrentDirectoryA(saved);
    if (!chosen)
        return false;
    result.path = file;
    result.fileName =
        ofn.nFileOffset < result.path.size() ? result.path.substr(ofn.nFileOffset) : std::string();
    return true;
}
} // namespace

std::string FilterWithNuls(const char* filter) {
    std::string out = filter ? filter : "";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(out[i])) && i + 1 < out.size())
            ++i; // a trail byte may be 0x7C and is not a separator
        else if (out[i] == '|')
            out[i] = '\0';
    }
    out.append(2, '\0');
    return out;
}

bool AskOpenFileName(const FileDialogRequest& request, FileDialogResult& result) {
    return Ask(false, request, result);
}

bool AskSaveFileName(const FileDialogRequest& request, FileDialogResult& result) {
    return Ask(true, request, result);
}
