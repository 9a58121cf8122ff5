// Where the editor lies: "KmbTool.exe" in the plug-in's own directory.
#pragma once

constexpr int TOOL_PATH_SIZE = 260;

// Builds the editor's path from the plug-in's full file name into out (TOOL_PATH_SIZE bytes).
// The directory ends at the last backslash that is a character of its own (not the trail byte
// of a double-byte character); a name without one gives "KmbTool.exe" alone. When the directory and the editor's
// name do not fit, out stays empty, so that no other program of the search path is started.
void BuildToolPath(const char* moduleName, char* out);
