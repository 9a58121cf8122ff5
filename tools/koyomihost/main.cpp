// koyomihost: loads a chip drawing library like the memo program and shows what it makes of a
// chip text, on standard output or in a small chip window. Each chip line that adds nothing
// is named on standard error, as koyomi names it.
#include "tools/koyomihost/ChipCheck.h"
#include "tools/koyomihost/ChipWindow.h"
#include "tools/koyomihost/Plugin.h"

#include <cstdio>
#include <cstring>

namespace {
const char kUsage[] = "usage: koyomihost [--exchange | --window] DXL CHIPFILE\n"
                      "  prints the chip text the plug-in DXL makes of the bytes of CHIPFILE\n"
                      "  (code page 932, unchanged)\n"
                      "  --exchange  through ExchangeSendString on a global block instead\n"
                      "  --window    shows a chip window; right click for the menu\n";

// The bytes unchanged (WriteFile adds no CR) and in one write: a console given them a byte at a
// time shows a double-byte character split in two.
void Put(DWORD which, const std::string& text) {
    HANDLE h = GetStdHandle(which);
    for (std::size_t at = 0; at < text.size();) {
        DWORD wrote = 0;
        if (!WriteFile(h, text.data() + at, static_cast<DWORD>(text.size() - at), &wrote,
                       nullptr) ||
            wrote == 0)
            return;
        at += wrote;
    }
}

void Error(const std::string& message) {
    Put(STD_ERROR_HANDLE, "koyomihost: " + message + "\n");
}

bool ReadChipFile(const char* path, std::string& out) {
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
        Error("InitializeChip gave no state");
        return 1;
    }
    chip.SetText(text);
    const std::string result = chip.Fetch();
    Put(STD_OUTPUT_HANDLE, result);
    return 0;
}

int PrintExchange(CPlugin& plugin, const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    char* p = block ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!p) {
        Error("out of memory");
        return 1;
    }
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    const int n = plugin.ExchangeSendString(&block);
    if (const char* q = static_cast<const char*>(GlobalLock(block))) {
        if (n > 0)
            Put(STD_OUTPUT_HANDLE, std::string(q, static_cast<std::size_t>(n)));
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
        Put(STD_ERROR_HANDLE, kUsage);
        return 2;
    }
    const char* dxl = argv[first];
    const char* chipFile = argv[first + 1];
    std::string text;
    if (!ReadChipFile(chipFile, text)) {
        Error(std::string("cannot read chip file: ") + chipFile);
        return 1;
    }
    CPlugin plugin;
    std::string error;
    if (!plugin.Load(dxl, error)) {
        Error(error);
        return 1;
    }
    SYSTEMTIME today;
    GetLocalTime(&today); // the date Update takes
    Put(STD_ERROR_HANDLE, NothingAddedWarnings(text, today));
    if (window)
        return RunChipWindow(plugin, text, chipFile);
    return exchange ? PrintExchange(plugin, text) : PrintChip(plugin, text);
}
