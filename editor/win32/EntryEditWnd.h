// The entry edit dialog (template 129) as the main window runs it.
#pragma once

#include "data/KmdDate.h"

#include <windows.h>

// Runs the dialog modally on `entry`, owned by `owner`: true, with `entry` holding the new
// content, on OK; false, with `entry` untouched, on Cancel or when it cannot be shown.
bool RunEntryEdit(HWND owner, CKmdDate& entry);
