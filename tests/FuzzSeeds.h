// The fuzz targets' bodies run over every seed file of their corpus, and every cut of it.
#pragma once

#include "TestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

inline std::vector<std::string> Seeds(const std::string& target) {
    return FilesIn(SourcePath("fuzz/corpus/" + target));
}

inline void RunSeeds(const std::string& target,
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
