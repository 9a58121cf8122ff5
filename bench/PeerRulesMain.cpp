// Writes the mixed rule set for the peer comparison: rules.kmb, rules.rem and rules.gcal.
//   bench_peer_rules COUNT YEAR DIR
#include "bench/BenchRules.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_peer_rules COUNT YEAR DIR\n");
        return 2;
    }
    const unsigned n = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
    const unsigned year = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    const std::string dir = argv[3];
    if (!WriteFileBytes(dir + "/rules.kmb", MixedKmbBytes(n)) ||
        !WriteFileBytes(dir + "/rules.rem", MixedRemind(n, year)) ||
        !WriteFileBytes(dir + "/rules.gcal", MixedGcal(n, year))) {
        std::fprintf(stderr, "bench_peer_rules: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
