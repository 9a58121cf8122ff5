// The body of the fuzz target for the editor's clipboard block, which any program can put on
// the clipboard under the editor's format. False means an invariant broke.
#pragma once

#include <cstddef>

bool FuzzClipboardInput(const unsigned char* data, std::size_t size);
