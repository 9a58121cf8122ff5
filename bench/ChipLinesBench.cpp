// A chip text of many lines: 10,000 lines naming one small file (target: under 100 ms
// natively), and up to 100,000 lines naming a missing file, which measures the chip-text scan.
// Both must grow linearly with the lines.
#include "bench/BenchRules.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {
const SYSTEMTIME kDate = MakeDate(2026, 5, 25);

std::string Lines(const std::string& line, long n) {
    std::string chip;
    chip.reserve(static_cast<std::size_t>(n) * (line.size() + 2));
    for (long i = 0; i < n; ++i)
        chip += line + "\r\n";
    return chip;
}

void Generate(benchmark::State& state, const std::string& chip) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeDayText(chip.c_str(), kDate));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every line names the same small file (second argument: its entries): it is opened and
// appended once per line, and all the entries are matched.
void BM_ChipLinesNamingASmallFile(benchmark::State& state) {
    const std::string path = "bench-small-" + std::to_string(state.range(1)) + ".kmb";
    if (!WriteFileBytes(path, MixedKmbBytes(static_cast<unsigned>(state.range(1)))))
        std::abort();
    Generate(state, Lines(path, state.range(0)));
}
BENCHMARK(BM_ChipLinesNamingASmallFile)
    ->Args({1000, 5})
    ->Args({10000, 1})
    ->Args({10000, 5})
    ->Args({10000, 20})
    ->Unit(benchmark::kMillisecond);

// Lines naming a file that does not exist: nothing is loaded, so this is the chip-text scan
// and one failed open per line.
void BM_ChipLinesNamingNoFile(benchmark::State& state) {
    Generate(state, Lines("no-such-file.kmb", state.range(0)));
}
BENCHMARK(BM_ChipLinesNamingNoFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
