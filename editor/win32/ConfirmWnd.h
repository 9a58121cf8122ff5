// The delete confirmation dialog (template 131).
#pragma once

#include <windows.h>

#include <string>

// Runs it modally: IDYES, IDNO, IDC_ALL_YES (1057) or IDCANCEL; IDCANCEL also when it cannot
// be shown. "全て はい" is enabled exactly when allowAll is true.
int RunDeleteConfirm(HWND owner, const std::string& messageText, bool allowAll);
