// The plug-in's modal dialogs, loaded from its own resources and owned by the host's window.
#pragma once

#include "plugin/HostRecords.h"

void ShowAbout(HWND owner);
// The helper dialog on the host's record; the record is the dialog's own argument, so two
// helpers (one per host window) never share it.
void ShowHelper(HWND owner, EditHelperRecord* record);
// Shows the date dialog on date; true, with date set to the picked day, when confirmed.
// A dialog that cannot be shown counts as cancelled.
bool PickDate(HWND owner, SYSTEMTIME& date);

// The date the picker opens on: the record itself, or the current date for an all-zero
// record (a chip that no Update reached yet).
SYSTEMTIME PickerStartDate(const SYSTEMTIME& record);
