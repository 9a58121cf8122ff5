// The texts of the editor's thirteen list columns for one entry, shared with `koyomi list`.
#pragma once

#include "data/KmdDate.h"

#include <string>

constexpr int ROW_COLUMN_COUNT = 13;

// The column heading, code page 932; empty outside 0-12.
const char* RowColumnHeading(int column);
// The column's text for the entry, code page 932; empty outside 0-12.
std::string RowColumnText(const CKmdDate& entry, int column);
