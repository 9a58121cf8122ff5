// The rule set the benchmarks and the peer comparison share: a realistic mix of paydays,
// later moves, odd and even weeks, nth and last weekdays, periods, alternate months, quarters,
// fixed days and holidays, as entries and as rule files of the two peer tools.
#pragma once

#include "data/KmdDate.h"

#include <string>
#include <vector>

enum RuleKind {
    RK_PAYDAY,
    RK_LATER,
    RK_WEEK_PARITY,
    RK_NTH_WEEKDAY,
    RK_LAST_WEEKDAY,
    RK_PERIOD,
    RK_ALT_MONTH,
    RK_QUARTER,
    RK_FIXED_DAY,
    RK_HOLIDAY,
    RK_KIND_COUNT
};

const char* RuleKindName(RuleKind kind);

// Entry i of the mixed set, of kind i % RK_KIND_COUNT with fields varied by i.
CKmdDate MixedEntry(unsigned i);
// n entries of one kind only.
std::vector<CKmdDate> EntriesOfKind(RuleKind kind, unsigned n);

// The .kmb bytes of the first n mixed entries.
std::string MixedKmbBytes(unsigned n);
// The same n rules for the peers, as close as their languages allow; year fixes the start
// dates of the alternate-week and period rules.
std::string MixedRemind(unsigned n, unsigned year);
std::string MixedGcal(unsigned n, unsigned year);

bool WriteFileBytes(const std::string& path, const std::string& bytes);
