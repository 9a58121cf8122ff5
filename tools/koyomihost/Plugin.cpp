#include "tools/koyomihost/Plugin.h"

#include <cstring>

namespace {
template <typename T> bool Resolve(HMODULE module, const char* name, T& proc, std::string& error) {
    proc = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!proc)
        error = std::string("export not found: ") + name;
    return proc != nullptr;
}
} // namespace

CPlugin::~CPlugin() {
    if (module)
        FreeLibrary(module);
}

bool CPlugin::Load(const char* path, std::string& error) {
    module = LoadLibraryA(path);
    if (!module) {
        error = std::string("cannot load plug-in: ") + path + " (error " +
                std::to_string(GetLastError()) + ")";
        return false;
    }
    // In the order of the export table's names, so that the first missing one is named.
    return Resolve(module, "CalcDefaultRect", CalcDefaultRect, error) &&
           Resolve(module, "DoDrawExMenu", DoDrawExMenu, error) &&
           Resolve(module, "DoTimer", DoTimer, error) &&
           Resolve(module, "DrawChip", DrawChip, error) &&
           Resolve(module, "DrawExAbout", DrawExAbout, error) &&
           Resolve(module, "DrawExConfigure", DrawExConfigure, error) &&
           Resolve(module, "DrawExSpecification", DrawExSpecification, error) &&
           Resolve(module, "EditHelper", EditHelper, error) &&
           Resolve(module, "ExchangeSendString", ExchangeSendString, error) &&
           Resolve(module, "GetDrawExMenu", GetDrawExMenu, error) &&
           Resolve(module, "GetMemoString", GetMemoString, error) &&
           Resolve(module, "GetSaveData", GetSaveData, error) &&
           Resolve(module, "GetTimerSpan", GetTimerSpan, error) &&
           Resolve(module, "InitializeChip", InitializeChip, error) &&
           Resolve(module, "MouseClik", MouseClik, error) &&
           Resolve(module, "Resize", Resize, error) &&
           Resolve(module, "UnInitializeChip", UnInitializeChip, error) &&
           Resolve(module, "Update", Update, error) && Resolve(module, "Zoom", Zoom, error);
}

CHostChip::CHostChip(CPlugin& p) : plugin(p) {
    plugin.InitializeChip(&state);
}

CHostChip::~CHostChip() {
    if (state)
        plugin.UnInitializeChip(state);
}

void CHostChip::SetText(const std::string& text) {
    chipText = text;
    unsigned char record[CHIP_RECORD_SIZE] = {};
    const char* p = chipText.c_str();
    std::memcpy(record + CHIP_TEXT_OFFSET, &p, sizeof p);
    plugin.Update(state, nullptr, record);
}

std::string CHostChip::Fetch() const {
    const int n = plugin.GetMemoString(state, nullptr, 0);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    plugin.GetMemoString(state, &text[0], n + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}
