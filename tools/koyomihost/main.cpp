// koyomihost: loads a chip drawing library like the memo program and shows what it makes of a
// chip text, on standard output or in a small chip window. Each chip line that adds nothing
// is named on standard error, as koyomi names it.
#include "tools/koyomihost/ChipCheck.h"
#include "tools/koyomihost/ChipSource.h"
#include "tools/koyomihost/ChipWindow.h"
#include "tools/koyomihost/Plugin.h"

#include <cstdio>
#include <cstring>

namespace {
int PrintChip(CPlugin& plugin, const std::string& text) {
    unsigned char record[SPEC_RECORD_SIZE] = {};
    plugin.DrawExSpecification(record);
    CHostChip chip(plugin);
    if (!chip.IsValid()) {
        HostError(Say(MSG_HOST_NO_STATE));
        return 1;
    }
    chip.SetText(text);
    const std::string result = chip.Fetch();
    HostPut(STD_OUTPUT_HANDLE, result);
    return 0;
}

int PrintExchange(CPlugin& plugin, const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    char* p = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!p) {
        HostError(Say(MSG_OUT_OF_MEMORY));
        return 1;
    }
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    const int n = plugin.ExchangeSendString(&block);
    if (const char* q = static_cast<const char*>(GlobalLock(block))) {
        if (n > 0)
            HostPut(STD_OUTPUT_HANDLE, std::string(q, static_cast<std::size_t>(n)));
        GlobalUnlock(block);
    }
    GlobalFree(block);
    return n > 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool exchange = false, window = false;
    if (argc > 1 && std::strcmp(argv[1], "--exchange") == 0)
        exchange = true, ++first;
    else if (argc > 1 && std::strcmp(argv[1], "--window") == 0)
        window = true, ++first;
    if (argc - first != 2) {
        HostPut(STD_ERROR_HANDLE, Say(MSG_HOST_USAGE));
        return 2;
    }
    const char* dxl = argv[first];
    CChipSource source(argv[first + 1]);
    std::string error;
    if (!source.Read(error)) {
        HostError(error);
        return 1;
    }
    CPlugin plugin;
    if (!plugin.Load(dxl, error)) {
        HostError(error);
        return 1;
    }
    SYSTEMTIME today;
    GetLocalTime(&today); // the date Update takes
    if (window) // which tells the lines that add nothing itself, each time it takes a text
        return RunChipWindow(plugin, source);
    HostWarn(NothingAddedWarnings(source.Text(), today));
    return exchange ? PrintExchange(plugin, source.Text()) : PrintChip(plugin, source.Text());
}
