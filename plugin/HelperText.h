// The helper dialog's one change to the host: a chosen data-file path added to the end of the
// chip text in the host's global block, both length fields set to the new length.
#pragma once

#include "plugin/HostRecords.h"

// Allocates the block when the record has none, otherwise grows it by the path's length.
// False, with the record unchanged, when memory ran out or the path is empty.
bool AppendPathToRecord(EditHelperRecord* record, const char* path);
