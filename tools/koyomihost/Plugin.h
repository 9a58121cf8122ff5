// A chip drawing library loaded the way the memo program loads one: LoadLibraryA, then every
// export resolved by its name.
#pragma once

#include "plugin/HostRecords.h"

#include <string>

// The one loader of the plug-in, shared by koyomihost and the Windows tests.
class CPlugin {
public:
    CPlugin() = default;
    ~CPlugin();
    CPlugin(const CPlugin&) = delete;
    CPlugin& operator=(const CPlugin&) = delete;

    // LoadLibraryA, then all nineteen exports by name. False with a message in error when the
    // library or one of its exports is missing.
    bool Load(const char* path, std::string& error);
    bool Load(const std::string& path) {
        std::string error;
        return Load(path.c_str(), error);
    }
    HMODULE Module() const { return module; }

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

private:
    HMODULE module = nullptr;
};

// One chip of the host: its state handle and the text the plug-in made for it.
class CHostChip {
public:
    explicit CHostChip(CPlugin& plugin);
    ~CHostChip();
    CHostChip(const CHostChip&) = delete;
    CHostChip& operator=(const CHostChip&) = delete;

    bool IsValid() const { return state != nullptr; }
    HLOCAL GetState() const { return state; }
    // Update with this chip text, then fetch the result.
    void SetText(const std::string& text);
    const std::string& GetText() const { return chipText; }
    // The plug-in's text for the chip: length first, then the bytes.
    std::string Fetch() const;

private:
    CPlugin& plugin;
    HLOCAL state = nullptr;
    std::string chipText;
};
