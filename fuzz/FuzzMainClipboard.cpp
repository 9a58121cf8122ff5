// libFuzzer target: the editor's clipboard block.
#include "fuzz/FuzzClipboard.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FuzzClipboardInput(data, size))
        __builtin_trap();
    return 0;
}
