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

HGLOBAL GlobalText(const std::string& text) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    char* p = static_cast<char*>(GlobalLock(h));
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(h);
    return h;
}

std::string BlockText(HGLOBAL h) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    std::string s(p, strnlen(p, GlobalSize(h)));
    GlobalUnlock(h);
    return s;
}
