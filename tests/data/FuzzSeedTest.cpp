// The fuzz targets' bodies over every seed file, so that both builds check what the fuzzers
// check, on the inputs they start from.
#include "TestUtil.h"
#include "fuzz/FuzzEntries.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Seeds(const std::string& target) {
    return FilesIn(SourcePath("fuzz/corpus/" + target));
}

void RunSeeds(const std::string& target,
              const std::function<bool(const unsigned char*, std::size_t)>& entry) {
    const std::vector<std::string> seeds = Seeds(target);
    EXPECT_GE(seeds.size(), 3u) << "seed corpus of " << target << " not found";
    for (const std::string& seed : seeds) {
        const std::string bytes = ReadBytes(seed);
        EXPECT_TRUE(entry(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
            << seed;
        // Every cut of the seed as well: the damaged files the fuzzer reaches first.
        for (std::size_t n = 0; n < bytes.size() && n < 300; n += n < 64 ? 1 : 13)
            EXPECT_TRUE(entry(reinterpret_cast<const unsigned char*>(bytes.data()), n))
                << seed << " cut at " << n;
    }
}
} // namespace

TEST(FuzzSeeds, DataFileReaders) {
    RunSeeds("datafile", FuzzDataFileInput);
}

TEST(FuzzSeeds, LegacyImport) {
    RunSeeds("import", FuzzImportInput);
}

TEST(FuzzSeeds, DayText) {
    const std::string scratch = FreshDir("fuzz_daytext");
    RunSeeds("daytext", [&](const unsigned char* data, std::size_t size) {
        return FuzzDayTextInput(data, size, scratch);
    });
}
