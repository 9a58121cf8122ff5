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

// The first six bytes of a record from its first `available` bytes: a field cut by the end
// of the bytes keeps its empty value (0), as a record read in part does. The entry list
// stores these bytes as they are; matching decodes them with RuleOfHead.
inline void HeadAt(const unsigned char* record, std::size_t available,
                   unsigned char head[RULE_SIZE]) {
    for (std::size_t i = 0; i < RECORD_FLAGS_OFFSET; ++i)
        head[i] = i < available ? record[i] : 0;
    const bool flags = available >= RULE_SIZE; // the flags word counts only whole
    head[RECORD_FLAGS_OFFSET] = flags ? record[RECORD_FLAGS_OFFSET] : 0;
    head[RECORD_FLAGS_OFFSET + 1] = flags ? record[RECORD_FLAGS_OFFSET + 1] : 0;
}

// The rule of six head bytes: the one decoding of the fields matching reads.
inline KmdRule RuleOfHead(const unsigned char* head) {
    KmdRule r;
    r.startMonth = head[0] >> 4;
    r.endMonth = head[0] & 0x0F;
    r.startDay = head[1];
    r.endDay = head[2];
    r.weekday = head[3] & 0x0F;
    r.flags.SetWord(GetLe16(head + RECORD_FLAGS_OFFSET));
    return r;
}

// The rule of a record from its first `available` bytes.
inline KmdRule RuleAt(const unsigned char* record, std::size_t available) {
    if (available >= RULE_SIZE) // the common case, read where it lies
        return RuleOfHead(record);
    unsigned char head[RULE_SIZE];
    HeadAt(record, available, head);
    return RuleOfHead(head);
}
