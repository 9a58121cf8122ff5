#include "editor/win32/EntryEditWnd.h"

// Placeholder until the dialog exists: every edit counts as cancelled.
bool RunEntryEdit(HWND, CKmdDate&) {
    return false;
}
