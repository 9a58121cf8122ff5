// koyomihost: loads a chip drawing library like the memo program and shows what it makes of a
// chip text, on standard output or in a small chip window.
#include "tools/koyomihost/ChipWindow.h"
#include "tools/koyomihost/Plugin.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

namespace {
const char kUsage[] = "usage: koyomihost [--exchange | --window] DXL CHIPFILE\n"
                      "  prints the chip text the plug-in DXL makes of the bytes of CHIPFILE\n"
                      "  (code page 932, unchanged)\n"
                      "  --exchange  through ExchangeSendString on a global block instead\n"
                      "  --window    shows a chip window; right click for the menu\n";

bool ReadFile(const char* path, std::string& out) {
    // stdio rather than a stream: the host stays as small as the programs it ships with.
    std::FILE* in = std::fopen(path, "rb");
    out.clear();
    if (!in)
        return false;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) != 0;)
        out.append(chunk, got);
    std::fclose(in);
    out.resize(std::strlen(out.c_str())); // the chip text ends at its first NUL
    return true;
}

int PrintChip(CPlugin& plugin, const std::string& text) {
    unsigned char record[SPEC_RECORD_SIZE] = {};
    plugin.DrawExSpecification(record);
    CHostChip chip(plugin);
    if (!chip.IsValid()) {
        std::fputs("koyomihost: InitializeChip gave no state\n", stderr);
        return 1;
    }
    chip.SetText(text);
    const std::string result = chip.Fetch();
    std::fwrite(result.data(), 1, result.size(), stdout);
    return 0;
}

int PrintExchange(CPlugin& plugin, const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    char* p = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!p) {
        std::fputs("koyomihost: out of memory\n", stderr);
        return 1;
    }
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    const int n = plugin.ExchangeSendString(&block);
    if (const char* q = static_cast<const char*>(GlobalLock(block))) {
        if (n > 0)
            std::fwrite(q, 1, static_cast<std::size_t>(n), stdout);
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
        std::fputs(kUsage, stderr);
        return 2;
    }
    const char* dxl = argv[first];
    const char* chipFile = argv[first + 1];
    std::string text;
    if (!ReadFile(chipFile, text)) {
        std::fprintf(stderr, "koyomihost: cannot read chip file: %s\n", chipFile);
        return 1;
    }
    CPlugin plugin;
    std::string error;
    if (!plugin.Load(dxl, error)) {
        std::fprintf(stderr, "koyomihost: %s\n", error.c_str());
        return 1;
    }
    if (window)
        return RunChipWindow(plugin, text, chipFile);
    _setmode(_fileno(stdout), _O_BINARY); // the bytes as the host receives them
    return exchange ? PrintExchange(plugin, text) : PrintChip(plugin, text);
}
