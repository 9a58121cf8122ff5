// The bodies of the fuzz targets for the readers of outside bytes. libFuzzer calls them from
// fuzz/FuzzMain*.cpp; the ordinary test suite runs them over the seed corpus, so that the
// win32 build exercises them too. The readers take the input's bytes straight in, save what
// was loaded and read that back, all in memory; the day text writes its files into `scratch`
// (a writable folder). False means an invariant broke; crashes and overruns are the
// sanitizers' to report.
#pragma once

#include <cstddef>
#include <string>

// Read and Append of a binary data file.
bool FuzzDataFileInput(const unsigned char* data, std::size_t size);
// The holidays Read and Append of the same bytes mark (fuzz/FuzzDayText.cpp, with the
// calendar layer).
bool FuzzDataFileHolidays(const unsigned char* data, std::size_t size);
// ImportText of a legacy text file, and the same bytes as a chip file under both systems'
// rules for names.
bool FuzzImportInput(const unsigned char* data, std::size_t size);
// The day text of a chip: the input holds a date, a chip text and up to three small data files
// (see the layout in FuzzDayText.cpp), so that the generator's scan, the loading of several
// files and the matching of their entries are reached together.
bool FuzzDayTextInput(const unsigned char* data, std::size_t size, const std::string& scratch);
