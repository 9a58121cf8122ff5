#include "plugin/HelperText.h"

#include <cstring>

bool AppendPathToRecord(EditHelperRecord* record, const char* path) {
    if (!record || !path || !path[0])
        return false;
    const SIZE_T add = std::strlen(path);
    HGLOBAL block = record->text;
    if (!block) {
        block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, add + 1);
    } else {
        const SIZE_T size = GlobalSize(block);
        SIZE_T used = size;
        if (const char* p = static_cast<const char*>(GlobalLock(block))) {
            used = strnlen(p, size);
            GlobalUnlock(block);
        }
        // The text's terminator makes room for the path's own; a block the host left without
        // one gets that byte as well, so nothing is written past its end.
        const SIZE_T needed = used < size ? size + add : size + add + 1;
        block = GlobalReAlloc(block, needed, GMEM_MOVEABLE);
    }
    if (!block)
        return false;
    record->text = block;
    const SIZE_T size = GlobalSize(block);
    char* p = size > add ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (!p)
        return false;
    const SIZE_T used = strnlen(p, size - add - 1);
    std::memcpy(p + used, path, add + 1);
    GlobalUnlock(block);
    record->length = static_cast<std::int32_t>(used + add);
    record->length2 = record->length;
    return true;
}
