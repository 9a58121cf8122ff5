// Helpers of the Windows tests: the plug-in loaded as a host loads it, data files written
// byte by byte, child processes, and screenshots of windows.
#pragma once

#include "GuiUtil.h"
#include "plugin/HostRecords.h"

#include <string>
#include <vector>

// Every export of a loaded plug-in, resolved by name.
struct CLoadedDxl {
    HMODULE module = nullptr;
    DrawExSpecificationProc DrawExSpecification = nullptr;
    DrawExConfigureProc DrawExConfigure = nullptr;
    DrawExAboutProc DrawExAbout = nullptr;
    InitializeChipProc InitializeChip = nullptr;
    UnInitializeChipProc UnInitializeChip = nullptr;
    UpdateProc Update = nullptr;
    GetMemoStringProc GetMemoString = nullptr;
    ExchangeSendStringProc ExchangeSendString = nullptr;
    GetDrawExMenuProc GetDrawExMenu = nullptr;
    DoDrawExMenuProc DoDrawExMenu = nullptr;
    EditHelperProc EditHelper = nullptr;
    GetTimerSpanProc GetTimerSpan = nullptr;
    DoTimerProc DoTimer = nullptr;
    ResizeProc Resize = nullptr;
    GetSaveDataProc GetSaveData = nullptr;
    DrawChipProc DrawChip = nullptr;
    MouseClikProc MouseClik = nullptr;
    CalcDefaultRectProc CalcDefaultRect = nullptr;
    ZoomProc Zoom = nullptr;

    ~CLoadedDxl();
    // LoadLibraryA and GetProcAddress of all nineteen names; false when any is missing.
    bool Load(const std::string& path);
};

// The nineteen export names.
const std::vector<std::string>& ExportNames();

// The shipped plug-in of this build tree, loaded once for the whole test program.
CLoadedDxl& ShippedDxl();

// A chip of a loaded plug-in: Update with a text (null: a record with a null pointer).
void UpdateChip(CLoadedDxl& dxl, HLOCAL state, const char* text);
std::string ChipText(CLoadedDxl& dxl, HLOCAL state);

// One record of a binary data file.
struct KmbRecord {
    unsigned months, startDay, endDay, weekday, flags;
    std::string name;
};
std::string KmbBytes(const std::vector<KmbRecord>& records);
// An entry that applies every day of the year, and one that applies on month/day only.
KmbRecord EveryDay(const std::string& name);
KmbRecord OnDay(unsigned month, unsigned day, const std::string& name);

// Today's date as the plug-in reads it.
SYSTEMTIME Today();
// What the generator makes of the chip text for the date, called in this process.
std::string ExpectedText(const std::string& chipText, const SYSTEMTIME& date);
