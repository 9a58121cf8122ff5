// A user's actions in the entry edit dialog, done on the real window as its controls
// receive them.
#pragma once

#include <windows.h>

#include <string>

// One user action in the entry edit dialog.
struct Act {
    enum Kind { TYPE, CHAR, PASTE, SELECT, CLICK } kind;
    int id;
    std::string text;
    int item;
};
Act Type(int id, const std::string& text);  // the whole text set
Act Char(int id, char c);                   // typed at the end of the text
Act Paste(int id, const std::string& text); // replaces the whole text, as a paste over it
Act Select(int id, int item);               // a combo box item chosen
Act Click(int id);
void DoInWindow(HWND dialog, const Act& a);
