// The standard open and save dialogs: the 76-byte record every system knows, filters written
// with "|" separators, and the process's current directory put back afterwards.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

struct FileDialogRequest {
    HWND owner = nullptr;
    // Pairs of description and pattern separated by "|", ending with "||".
    const char* filter = "";
    const char* defaultExtension = nullptr;
    // The name the dialog proposes; empty for none.
    std::string proposedName;
    DWORD flags = 0;
    // Put the process's current directory back afterwards (a plug-in's host owns it);
    // otherwise the folder the user went to becomes current, as the dialog leaves it.
    bool restoreDirectory = true;
};

// The dialog's outcome when the user confirmed a file.
struct FileDialogResult {
    std::string path;     // full path
    std::string fileName; // its file-name part, with the extension
};

// False when the user cancelled or the dialog could not be shown.
bool AskOpenFileName(const FileDialogRequest& request, FileDialogResult& result);
bool AskSaveFileName(const FileDialogRequest& request, FileDialogResult& result);

// The filter as the dialog takes it: every "|" outside a double-byte character becomes a NUL,
// and the text ends with two NULs whatever it ended with.
std::string FilterWithNuls(const char* filter);
