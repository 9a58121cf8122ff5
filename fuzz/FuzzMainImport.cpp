// libFuzzer target: ImportText of a legacy text file.
#include "fuzz/FuzzEntries.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FuzzImportInput(data, size))
        __builtin_trap();
    return 0;
}
