// libFuzzer target: the day text of a chip naming small data files.
#include "fuzz/FuzzEntries.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FuzzDayTextInput(data, size, "."))
        __builtin_trap();
    return 0;
}
