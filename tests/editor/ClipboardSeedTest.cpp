// The clipboard fuzz target's body over its seed blocks and every cut of them, so that both
// builds check what the fuzzer checks.
#include "TestUtil.h"
#include "fuzz/FuzzClipboard.h"

#include <gtest/gtest.h>

TEST(FuzzSeeds, ClipboardBlock) {
    const std::vector<std::string> seeds = FilesIn(SourcePath("fuzz/corpus/clipboard"));
    EXPECT_GE(seeds.size(), 5u) << "seed corpus not found";
    for (const std::string& seed : seeds) {
        const std::string bytes = ReadBytes(seed);
        const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes.data());
        for (std::size_t n = 0; n <= bytes.size(); ++n)
            EXPECT_TRUE(FuzzClipboardInput(data, n)) << seed << " cut at " << n;
    }
}
