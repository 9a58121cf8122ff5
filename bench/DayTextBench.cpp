// The day text and the matching under load: one generation for files of 1,000 to 100,000
// mixed entries, the same with days of notice, matching alone per rule kind, a year view's
// 365-day scan, and beside them the floor of reading the same file's bytes once.
#include "bench/BenchRules.h"

#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "calendar/KmdDataFile.h"
#include "calendar/Rules.h"
#include "data/KmdHoliday.h"
#include "platform/Clock.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {
// A Monday with paydays, moves and holidays around it.
const SYSTEMTIME kDate = MakeDate(2026, 5, 25);

// The mixed file of n entries, written once per run into the working directory.
const std::string& MixedFile(unsigned n) {
    static std::map<unsigned, std::string> files;
    auto it = files.find(n);
    if (it == files.end()) {
        const std::string path = "bench-mixed-" + std::to_string(n) + ".kmb";
        if (!WriteFileBytes(path, MixedKmbBytes(n)))
            std::abort();
        it = files.emplace(n, path).first;
    }
    return it->second;
}

void FixClock() {
    SetClockOverride(&kDate);
}

// One generation for a file of range(0) entries. With range(1) = N, the chip's line asks for
// N days of notice ("*N"): each record decoded once and asked about day D and the N days
// after it (target: 100,000 entries *7 at most 4x the same unmarked).
void BM_Generation(benchmark::State& state) {
    FixClock();
    const std::string& path = MixedFile(static_cast<unsigned>(state.range(0)));
    const std::string chip =
        state.range(1) == 0 ? path : path + "*" + std::to_string(state.range(1));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = MakeDayText(chip.c_str(), kDate);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["text_bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Generation)
    ->Args({1000, 0})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 7})
    ->Args({100000, 31})
    ->Unit(benchmark::kMillisecond);

void BM_ReadFloor(benchmark::State& state) {
    const std::string& path = MixedFile(static_cast<unsigned>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The reading and holiday marking of a generation without matching or text.
void BM_AppendOnly(benchmark::State& state) {
    FixClock();
    const std::string& path = MixedFile(static_cast<unsigned>(state.range(0)));
    for (auto _ : state) {
        CKmdDataFile file;
        file.Append(path.c_str());
        benchmark::DoNotOptimize(file.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Matches alone over 1,000 entries of one kind on each day of one month.
void BM_MatchKind(benchmark::State& state) {
    const RuleKind kind = static_cast<RuleKind>(state.range(0));
    const std::vector<CKmdDate> entries = EntriesOfKind(kind, 1000);
    CKmdHoliday holidays;
    holidays.Mark(5, 3, true);
    holidays.Mark(5, 4, true);
    holidays.Mark(5, 5, true);
    holidays.Mark(5, 6, true);
    SYSTEMTIME days[31];
    for (unsigned d = 1; d <= 31; ++d)
        days[d - 1] = MakeDate(2026, 5, d);
    long applied = 0;
    for (auto _ : state)
        for (const SYSTEMTIME& day : days)
            for (const CKmdDate& e : entries)
                applied += Matches(e.GetRule(), day, holidays);
    benchmark::DoNotOptimize(applied);
    state.SetLabel(RuleKindName(kind));
    state.SetItemsProcessed(state.iterations() * 31 * 1000);
}
BENCHMARK(BM_MatchKind)->DenseRange(0, RK_KIND_COUNT - 1);

// A year view: every day of a year over one loaded file of 10,000 entries.
void BM_YearScan(benchmark::State& state) {
    FixClock();
    CKmdDataFile file;
    file.Append(MixedFile(static_cast<unsigned>(state.range(0))).c_str());
    SYSTEMTIME days[365];
    unsigned k = 0;
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned d = 1; d <= DaysInMonth(2026, m); ++d)
            days[k++] = MakeDate(2026, m, d);
    long applied = 0;
    for (auto _ : state) {
        for (const SYSTEMTIME& day : days) {
            if (!file.FindFirst(day))
                continue;
            CKmdDate e;
            while (file.FindNext(e))
                ++applied;
            ++applied;
        }
    }
    benchmark::DoNotOptimize(applied);
    state.SetItemsProcessed(state.iterations() * 365 * state.range(0));
}
BENCHMARK(BM_YearScan)->Arg(10000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
