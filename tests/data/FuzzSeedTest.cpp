// The fuzz targets' bodies over every seed file, so that both builds check what the fuzzers
// check, on the inputs they start from.
#include "FuzzSeeds.h"
#include "fuzz/FuzzEntries.h"

#include <gtest/gtest.h>

TEST(FuzzSeeds, DataFileReaders) {
    RunSeeds("datafile", FuzzDataFileInput);
}

TEST(FuzzSeeds, LegacyImport) {
    RunSeeds("import", FuzzImportInput);
}
