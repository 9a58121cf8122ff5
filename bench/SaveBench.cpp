// The editor's save of 10,000 entries on the disk the program runs from: the backup step and
// the write, each flushed before its rename and the folder flushed after it. Beside it the
// same two files written plainly and renamed with nothing flushed, for what the flushes
// cost. Run it from a folder on a real disk, not tmpfs (build/native/bin/bench_save).
#include "bench/BenchRules.h"

#include "data/KmdEntryFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {
const char kTarget[] = "bench-save.kmb";

CKmdEntryFile TenThousand() {
    CKmdEntryFile file;
    for (unsigned i = 0; i < 10000; ++i)
        file.Add(MixedEntry(i));
    return file;
}

void BM_SaveWithBackupFlushed(benchmark::State& state) {
    const CKmdEntryFile file = TenThousand();
    if (!file.Write(kTarget))
        std::abort();
    for (auto _ : state)
        if (!MakeBackup(kTarget) || !file.Write(kTarget))
            std::abort();
    state.SetItemsProcessed(state.iterations() * file.GetCount());
}
BENCHMARK(BM_SaveWithBackupFlushed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveWithBackupUnflushed(benchmark::State& state) {
    std::string bytes;
    TenThousand().WriteBytes(bytes);
    for (auto _ : state)
        if (!WriteFileBytes("bench-plain.bak~", bytes) ||
            std::rename("bench-plain.bak~", "bench-plain.bak") != 0 ||
            !WriteFileBytes("bench-plain.kmb~", bytes) ||
            std::rename("bench-plain.kmb~", "bench-plain.kmb") != 0)
            std::abort();
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_SaveWithBackupUnflushed)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
