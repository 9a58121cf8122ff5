// The file KmbTool is asked to open at start: `KmbTool.exe PATH`, as Explorer starts it for a
// double-clicked or dropped file.
#pragma once

#include <string>

// The first argument of the program's command line, made a full path against the folder
// current at start, in the ANSI code page (a character it lacks becomes "?", and the open then
// fails as for any name that cannot be read). Empty when there is none.
std::string StartPath();
