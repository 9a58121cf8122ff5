#include "Win32TestUtil.h"

#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "platform/Clock.h"
#include "plugin/MemoString.h"

#include <cstring>

namespace {
template <typename T> bool Resolve(HMODULE m, const char* name, T& proc) {
    proc = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m, name)));
    return proc != nullptr;
}

void PutLe(std::string& out, unsigned value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
} // namespace

CLoadedDxl::~CLoadedDxl() {
    if (module)
        FreeLibrary(module);
}

bool CLoadedDxl::Load(const std::string& path) {
    module = LoadLibraryA(path.c_str());
    if (!module)
        return false;
    return Resolve(module, "DrawExSpecification", DrawExSpecification) &&
           Resolve(module, "DrawExConfigure", DrawExConfigure) &&
           Resolve(module, "DrawExAbout", DrawExAbout) &&
           Resolve(module, "InitializeChip", InitializeChip) &&
           Resolve(module, "UnInitializeChip", UnInitializeChip) &&
           Resolve(module, "Update", Update) && Resolve(module, "GetMemoString", GetMemoString) &&
           Resolve(module, "ExchangeSendString", ExchangeSendString) &&
           Resolve(module, "GetDrawExMenu", GetDrawExMenu) &&
           Resolve(module, "DoDrawExMenu", DoDrawExMenu) &&
           Resolve(module, "EditHelper", EditHelper) &&
           Resolve(module, "GetTimerSpan", GetTimerSpan) && Resolve(module, "DoTimer", DoTimer) &&
           Resolve(module, "Resize", Resize) && Resolve(module, "GetSaveData", GetSaveData) &&
           Resolve(module, "DrawChip", DrawChip) && Resolve(module, "MouseClik", MouseClik) &&
           Resolve(module, "CalcDefaultRect", CalcDefaultRect) && Resolve(module, "Zoom", Zoom);
}

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

CLoadedDxl& ShippedDxl() {
    static CLoadedDxl dxl;
    if (!dxl.module)
        dxl.Load(BinPath("Koyomiru.dxl"));
    return dxl;
}

void UpdateChip(CLoadedDxl& dxl, HLOCAL state, const char* text) {
    unsigned char record[CHIP_RECORD_SIZE];
    std::memset(record, 0xEE, sizeof record); // only the pointer at 72 may be read
    std::memcpy(record + CHIP_TEXT_OFFSET, &text, sizeof text);
    dxl.Update(state, reinterpret_cast<void*>(0x1234), record);
}

std::string ChipText(CLoadedDxl& dxl, HLOCAL state) {
    const int n = dxl.GetMemoString(state, nullptr, 0);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    dxl.GetMemoString(state, &text[0], n + 1);
    text.resize(static_cast<std::size_t>(n));
    return text;
}

std::string KmbBytes(const std::vector<KmbRecord>& records) {
    std::string out;
    PutLe(out, 0x20000, 4);
    PutLe(out, static_cast<unsigned>(records.size()), 4);
    for (const KmbRecord& r : records) {
        PutLe(out, r.months, 1);
        PutLe(out, r.startDay, 1);
        PutLe(out, r.endDay, 1);
        PutLe(out, r.weekday, 1);
        PutLe(out, r.flags, 2);
        PutLe(out, static_cast<unsigned>(r.name.size()), 2);
        out += r.name;
    }
    return out;
}

KmbRecord EveryDay(const std::string& name) {
    return {0x1C, 1, 31, 0, 8 /* a period */, name};
}

KmbRecord OnDay(unsigned month, unsigned day, const std::string& name) {
    return {month << 4, day, 0, 0, 0 /* one day of the year */, name};
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
