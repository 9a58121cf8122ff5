// libFuzzer target: Read and Append of a binary data file, and the holidays they mark.
#include "fuzz/FuzzEntries.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!FuzzDataFileInput(data, size) || !FuzzDataFileHolidays(data, size))
        __builtin_trap();
    return 0;
}
