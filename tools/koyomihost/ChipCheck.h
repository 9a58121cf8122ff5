// What the host tells from outside the plug-in about a chip text: which of its lines add
// nothing to the chip, which the plug-in itself never says; and the host's texts, from the
// tools' catalog in the user's language.
#pragma once

#include "tools/catalog/Messages.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// UTF-8 as the host's code page 932 bytes.
std::string HostBytes(const std::string& utf8);
// A message of the catalog as code page 932, the host's bytes; the arguments are code page 932
// too (paths as the system names them).
std::string Say(MessageId id, std::initializer_list<std::string> args = {});

// Bytes to a standard handle unchanged (WriteFile adds no CR) and in one write: a console
// given them a byte at a time shows a double-byte character split in two.
void HostPut(DWORD which, const std::string& bytes);
// "koyomihost: TEXT" on standard error.
void HostError(const std::string& text);
// "koyomihost: warning: TEXT" on standard error for each text.
void HostWarn(const std::vector<std::string>& warnings);

// One text "PATH: why; it adds nothing" for each path of the chip text that adds nothing, in
// chip-text order. The paths are read by the engine's own line reader, as the plug-in reads
// them on the day `today` (the next year's too when a line's notice reaches into it), from the
// current folder: a missing relative one says so. A path adds nothing when it is longer than
// the plug-in's 259 bytes, names no file, names something other than a disk file, cannot be
// read, or does not begin with a data file's header (8 bytes, version 2.0).
// The files are checked independently of the engine's loader: the DXL under test carries its
// own loader, which the host's copy of the engine need not match.
std::vector<std::string> NothingAddedWarnings(const std::string& chipText, const SYSTEMTIME& today);
