// Helpers shared by the tests: files under the test's own working directory.
#pragma once

#include <functional>
#include <string>
#include <vector>

// A fresh, empty directory below the working directory; paths use "/" (Windows accepts it).
std::string FreshDir(const std::string& name);
void MakeDir(const std::string& dir);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// A file of the source tree, as a path this program can open (Z: under Wine).
std::string SourcePath(const std::string& relative);
// The files (not folders) of a folder, sorted by name, as paths this program can open.
std::vector<std::string> FilesIn(const std::string& dir);
// A program or library of this build tree (bin/), likewise.
std::string BinPath(const std::string& name);

#ifndef _WIN32
// Runs `step` with files limited to `bytes` (a write past it fails with EFBIG rather than
// ending the process), then lifts the limit; false when the limit could not be set.
bool WithFileSizeLimit(unsigned long bytes, const std::function<void()>& step);
#endif
