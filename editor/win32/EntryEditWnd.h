// The entry edit dialog (template 129) as the main window runs it.
#pragma once

#include "data/KmdDate.h"
#include "data/KmdRule.h"

#include <windows.h>

#include <vector>

// Runs the dialog modally on `entry`, owned by `owner`: true, with `entry` holding the new
// content, on OK; false, with `entry` untouched, on Cancel or when it cannot be shown. The
// preview line moves days off `holidays`' days and the national holidays.
bool RunEntryEdit(HWND owner, CKmdDate& entry,
                  const std::vector<KmdRule>& holidays = std::vector<KmdRule>());
