// The fields a date entry is matched by: months, days, weekday and flags, the first 6 bytes of
// its record. Matching decodes them where they lie; the name is read only for a hit.
#pragma once

#include "data/KmbLayout.h"
#include "data/KmdDateFlags.h"

#include <cstddef>

struct KmdRule {
    unsigned startMonth = 0; // 0-15 as stored
    unsigned endMonth = 0;
    unsigned startDay = 0; // 0 = not set
    unsigned endDay = 0;
    unsigned weekday = 0; // 0 = none, 1 = Sunday ... 7 = Saturday; 8-15 from foreign files
    CKmdDateFlags flags;
};

constexpr std::size_t RULE_SIZE = RECORD_FLAGS_OFFSET + 2;

// The rule of a record from its first `available` bytes. A field cut by the end of the bytes
// keeps its empty value, as a record read in part does.
inline KmdRule RuleAt(const unsigned char* record, std::size_t available) {
    KmdRule r;
    if (available >= RULE_SIZE) { // the common case, in one step
        r.startMonth = record[0] >> 4;
        r.endMonth = record[0] & 0x0F;
        r.startDay = record[1];
        r.endDay = record[2];
        r.weekday = record[3] & 0x0F;
        r.flags.SetWord(GetLe16(record + RECORD_FLAGS_OFFSET));
        return r;
    }
    if (available >= 1) {
        r.startMonth = record[0] >> 4;
        r.endMonth = record[0] & 0x0F;
    }
    if (available >= 2)
        r.startDay = record[1];
    if (available >= 3)
        r.endDay = record[2];
    if (available >= 4)
        r.weekday = record[3] & 0x0F;
    return r;
}
