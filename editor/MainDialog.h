// The editor's main window as plain logic: the file being edited, the modified state, the
// current row, and every command of the window. It reaches the window only through
// IMainView; the Win32 main window translates messages into these calls.
#pragma once

#include "data/KmdEntryFile.h"
#include "editor/FileWatch.h"
#include "editor/MainButtons.h"
#include "editor/MainView.h"
#include "editor/UndoHistory.h"

#include <cstdint>
#include <string>

class CFindDialog;

class CMainDialog {
public:
    explicit CMainDialog(IMainView& view);

    // Window messages, as the Win32 main window maps them.
    void OnInit();             // also the buttons' start states
    void OnCommand(int id);    // buttons and accelerator commands
    void OnListClick(int row); // NM_CLICK: the clicked row, -1 for none
    void OnListDoubleClick();  // NM_DBLCLK: edit the current row
    bool OnClose(); // true when the window may close; the search dialog is then destroyed
    // WM_QUERYENDSESSION: true when Windows may end the session (nothing to lose, or the user
    // lets the changes go); false after the notice that the end is refused.
    bool OnQueryEndSession();
    void OnFindMessage(unsigned message, long lParam); // WM_FIND_*

    // Row rendering and the modified state, used by every command.
    void RenderRow(int index, const CKmdDate& entry, bool insert);
    void RefillList();
    void SetModified(bool value);

    // File commands.
    void Open();
    // A file named from outside the window (the command line, a drop): opened as the open
    // command opens the file chosen, after the same question when changes would be lost.
    void OpenPath(const std::string& path, const std::string& fileName);
    void Save();
    // Ctrl+S: the binary file read or saved last is written again where it is, without a
    // dialog; with none (a new list, a legacy import) the save dialog asks as 保存 does.
    void SaveInPlace();
    // The save to a chosen path, for every way of saving: a file another program changed
    // since it was opened or saved here is overwritten only when the user agrees. True when
    // the file was written.
    bool SaveTo(const std::string& path);
    void About();

    // Search.
    void ShowFind();
    void FindCommand(bool down); // 1064 / 1065: through the search dialog, when it exists
    void CloseFind();
    void SearchDown(int fromEnds);
    void SearchUp(int fromEnds);

    // List commands.
    void Add();
    void Insert();
    void Edit();
    void Delete();
    void ClearAll();
    void MoveTop();
    void MoveUp();
    void MoveDown();
    void MoveBottom();
    void Copy();
    void Paste();
    // Ctrl+Z and Ctrl+Y: the last step of the list taken back, or the last undone done again.
    void Undo();
    void Redo();

    // State, for the window and the tests.
    const CKmdEntryFile& DataFile() const { return dataFile; }
    bool IsModified() const { return modified; }
    int CurrentIndex() const { return currentIndex; }
    const std::string& FileName() const { return fileName; }
    int LastFound() const { return lastFound; }
    CFindDialog* FindDialog() const { return findDialog; }

private:
    // The checks of the single-position commands; false, after the message, when one fails.
    bool CheckPosition(const char* several, const char* none);
    void MoveTo(int to);
    void ShowClipFailure(ClipResult result);
    // Before an open or the end: true when nothing unsaved would be lost or the user lets it
    // go; false after the notice `calledOff` (what is called off).
    bool MayDiscard(const char* calledOff);
    void ReadFile(const std::string& path, const std::string& name);
    std::string ProposedSaveName() const;
    bool Matches(int index) const;
    void ShowHit(int index);
    // The list's holiday entries but entry `skip` (-1: none), for the edit dialog's preview.
    std::vector<KmdRule> HolidayRules(int skip) const;
    // A command's change of the list, kept for undo; 変更あり follows.
    void Record(UndoStep step);
    // The one place the window's state is shown: 変更あり and the undo and redo items from the
    // history's state, every button from the buttons' state.
    void ShowState();
    // Undo or redo of a step: `take` out, `put` in, the rows put in (or the row where they
    // went) selected and shown.
    void ApplyStep(const PlacedEntries& take, const PlacedEntries& put);

    IMainView& view;
    CKmdEntryFile dataFile;
    bool modified = false;
    int currentIndex = -1;
    MainButtonState buttons;
    std::string fileName;
    std::string inPlacePath; // where Ctrl+S writes; empty: nowhere yet
    CFileWatch watch;        // the file last opened or saved
    CFindDialog* findDialog = nullptr;
    int lastFound = -1;
    CUndoHistory history;
    // The state last opened or saved; none (0) when the file on disk is in no state kept.
    std::uint64_t savedState;
};
