// Helpers of the Windows tests: the plug-in loaded as a host loads it, data files written
// byte by byte, child processes, and screenshots of windows.
#pragma once

#include "GuiUtil.h"
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

// A moveable global block holding the text and its NUL, as the host hands a chip text over;
// and a block's text back, up to its NUL or its end.
HGLOBAL GlobalText(const std::string& text);
std::string BlockText(HGLOBAL h);

// Today's date as the plug-in reads it.
SYSTEMTIME Today();
// What the generator makes of the chip text for the date, called in this process.
std::string ExpectedText(const std::string& chipText, const SYSTEMTIME& date);
