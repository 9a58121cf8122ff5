// The fuzz targets' bodies that need the calendar layer, over their seed files.
#include "FuzzSeeds.h"
#include "fuzz/FuzzEntries.h"

#include <gtest/gtest.h>

#include <string>

TEST(FuzzSeeds, DataFileHolidays) {
    RunSeeds("datafile", FuzzDataFileHolidays);
}

TEST(FuzzSeeds, DayText) {
    const std::string scratch = FreshDir("fuzz_daytext");
    RunSeeds("daytext", [&](const unsigned char* data, std::size_t size) {
        return FuzzDayTextInput(data, size, scratch);
    });
}
