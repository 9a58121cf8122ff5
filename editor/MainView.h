// What the main window's logic needs of its window: the list rows, the buttons, two texts,
// message boxes and the dialogs it opens. The Win32 main window implements it; tests use a
// fake that records every call.
#pragma once

#include "data/KmdDate.h"
#include "data/KmdRule.h"

#include <string>
#include <vector>

class CFindDialog;

// The thirteen column texts of one list row, code page 932.
typedef std::vector<std::string> RowTexts;

// Message box kinds; every box is captioned "KmbTool" and owned by the main window.
enum MessageKind {
    MK_STOP,     // stop icon, OK
    MK_QUESTION, // question icon, Yes and No
    MK_NOTICE,   // no icon, OK: the two cancellation notices
    MK_WARNING,  // exclamation icon, OK
};

// Answers of message boxes and of the confirmation dialog (the Windows values).
enum Answer {
    ANSWER_OK = 1,
    ANSWER_CANCEL = 2,
    ANSWER_YES = 6,
    ANSWER_NO = 7,
    ANSWER_ALL_YES = 1057,
};

// Outcomes of the clipboard steps: the step that failed, or CLIP_OK.
enum ClipResult {
    CLIP_OK,
    CLIP_ALLOC_FAILED,
    CLIP_LOCK_FAILED,
    CLIP_OPEN_FAILED,
    CLIP_EMPTY_FAILED,
    CLIP_SET_FAILED,
    CLIP_NONE, // nothing of the editor's format on the clipboard
};

class IMainView {
public:
    virtual ~IMainView() = default;

    // List rows. Row indexes are those of the entries they show.
    virtual int RowCount() = 0;
    virtual void InsertRow(int index, RowTexts texts) = 0;
    virtual void SetRow(int index, const RowTexts& texts) = 0;
    virtual void DeleteRow(int index) = 0;
    virtual void DeleteAllRows() = 0;
    // Redraw off while many rows change, on again (and one repaint) at the end.
    virtual void BeginBatch() = 0;
    virtual void EndBatch() = 0;

    // Selection: SelectRow gives a row the selected and focused states, ClearRow removes
    // both; NextSelected(-1) is the first selected row, -1 when there is none after `after`.
    virtual int SelectedCount() = 0;
    virtual int NextSelected(int after) = 0;
    virtual void SelectRow(int index) = 0;
    // Every row selected, or none; the focus stays where it is.
    virtual void SetAllRowsSelected(bool selected) = 0;
    virtual void ClearRow(int index) = 0;
    virtual void EnsureVisible(int index) = 0;

    virtual void EnableButton(int id, bool enabled) = 0;
    // An item the window adds to its system menu (IDM_UNDO, IDM_REDO): greyed when disabled.
    virtual void EnableMenuItem(int id, bool enabled) = 0;
    virtual void SetPathText(const std::string& text) = 0;
    virtual void SetModifiedText(const std::string& text) = 0;

    // A message box; returns ANSWER_YES or ANSWER_NO for MK_QUESTION, ANSWER_OK otherwise.
    virtual int Message(const std::string& text, MessageKind kind) = 0;

    // The open dialog: false when cancelled; else the full path and the file-name part.
    virtual bool AskOpenPath(std::string& path, std::string& fileName) = 0;
    // The save dialog proposing `proposed`: false when cancelled.
    virtual bool AskSavePath(const std::string& proposed, std::string& path) = 0;
    virtual void ShowAbout() = 0;
    // The entry edit dialog on `entry`: true, with `entry` changed, on OK. Its preview line
    // counts the days of `holidays`, the list's other holiday entries.
    virtual bool EditEntry(CKmdDate& entry, const std::vector<KmdRule>& holidays) = 0;
    // The confirmation dialog: ANSWER_YES, ANSWER_ALL_YES, ANSWER_NO or ANSWER_CANCEL.
    virtual int ConfirmDelete(const std::string& text, bool allowAll) = 0;

    // The search dialog: a new object with its window shown, owned by the main window
    // (null when it cannot be made); DestroyFindDialog ends the window and frees the object.
    virtual CFindDialog* CreateFindDialog() = 0;
    virtual void DestroyFindDialog(CFindDialog* dialog) = 0;

    // The clipboard under the format "KMB_DATA": Put places a copy of the block, Get reads
    // a copy of the block found there (CLIP_NONE when there is none).
    virtual ClipResult PutClipboard(const std::vector<unsigned char>& block) = 0;
    virtual ClipResult GetClipboard(std::vector<unsigned char>& block) = 0;
};
