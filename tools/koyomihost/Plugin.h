// A chip drawing library loaded the way the memo program loads one: LoadLibraryA, then every
// export resolved by its name.
#pragma once

#include "plugin/HostRecords.h"

#include <string>

class CPlugin {
public:
    CPlugin() = default;
    ~CPlugin();
    CPlugin(const CPlugin&) = delete;
    CPlugin& operator=(const CPlugin&) = delete;

    // False with a message in error when the library or one of its exports is missing.
    bool Load(const char* path, std::string& error);

    DrawExSpecificationProc drawExSpecification = nullptr;
    InitializeChipProc initializeChip = nullptr;
    UnInitializeChipProc unInitializeChip = nullptr;
    UpdateProc update = nullptr;
    GetMemoStringProc getMemoString = nullptr;
    ExchangeSendStringProc exchangeSendString = nullptr;
    GetDrawExMenuProc getDrawExMenu = nullptr;
    DoDrawExMenuProc doDrawExMenu = nullptr;
    EditHelperProc editHelper = nullptr;
    DrawExAboutProc drawExAbout = nullptr;
    DrawExConfigureProc drawExConfigure = nullptr;

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
