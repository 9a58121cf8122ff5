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
    return Resolve(module, "DrawExSpecification", drawExSpecification, error) &&
           Resolve(module, "InitializeChip", initializeChip, error) &&
           Resolve(module, "UnInitializeChip", unInitializeChip, error) &&
           Resolve(module, "Update", update, error) &&
           Resolve(module, "GetMemoString", getMemoString, error) &&
           Resolve(module, "ExchangeSendString", exchangeSendString, error) &&
           Resolve(module, "GetDrawExMenu", getDrawExMenu, error) &&
           Resolve(module, "DoDrawExMenu", doDrawExMenu, error) &&
           Resolve(module, "EditHelper", editHelper, error) &&
           Resolve(module, "DrawExAbout", drawExAbout, error) &&
           Resolve(module, "DrawExConfigure", drawExConfigure, error);
}

CHostChip::CHostChip(CPlugin& p) : plugin(p) {
    plugin.initializeChip(&state);
}

CHostChip::~CHostChip() {
    if (state)
        plugin.unInitializeChip(state);
}

void CHostChip::SetText(const std::string& text) {
    chipText = text;
    unsigned char record[CHIP_RECORD_SIZE] = {};
    const char* p = chipText.c_str();
    std::memcpy(record + CHIP_TEXT_OFFSET, &p, sizeof p);
    plugin.update(state, nullptr, record);
}

std::string CHostChip::Fetch() const {
    const int n = plugin.getMemoString(state, nullptr, 0);
    if (n <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    plugin.getMemoString(state, &text[0], n + 1);
    text.resize(std::strlen(text.c_str()));
    return text;
}
