// Helpers of the Windows tests: the plug-in loaded as a host loads it, data files written
// byte by byte, child processes, and screenshots of windows.
#pragma once

#include "KmbBuilder.h"
#include "plugin/HostRecords.h"
#include "tools/koyomihost/Plugin.h"

#include <string>
#include <vector>

// The nineteen export names.
const std::vector<std::string>& ExportNames();

// The shipped plug-in of this build tree, loaded once for the whole test program.
CPlugin& ShippedDxl();

// A chip of a loaded plug-in: Update with a text (null: a record with a null pointer).
void UpdateChip(CPlugin& dxl, HLOCAL state, const char* text);
std::string ChipText(CPlugin& dxl, HLOCAL state);

// Today's date as the plug-in reads it.
SYSTEMTIME Today();
// What the generator makes of the chip text for the date, called in this process.
std::string ExpectedText(const std::string& chipText, const SYSTEMTIME& date);

// Runs a command line, standard output into outFile; the exit code, or -1 when it did not start.
// The child starts in dir when one is given.
int RunProcess(const std::string& commandLine, const std::string& outFile,
               const std::string& dir = std::string());

// Directory of this process's working directory as a Windows path with a trailing backslash.
std::string WorkDir();

// Saves what the screen shows of the window as screenshots/NAME.png in the working directory.
bool SaveScreenshot(HWND window, const std::string& name);
bool SaveScreenRect(const RECT& rect, const std::string& name);
// Lets posted messages and paints through for about ms milliseconds.
void Pump(DWORD ms);
