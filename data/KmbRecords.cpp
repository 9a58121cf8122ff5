#include "data/KmbRecords.h"

bool IsKmbHeader(const unsigned char* bytes, std::size_t size) {
    if (!bytes || size < KMB_HEADER_SIZE)
        return false;
    // The two halves are tested apart; both failures look the same to the caller.
    const std::uint32_t version = GetLe32(bytes + KMB_VERSION_OFFSET);
    return (version >> 16) == 2 && (version & 0xFFFF) == 0;
}
