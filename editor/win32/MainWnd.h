// KmbTool's main window (template 102): the modal dialog that is the whole program. It maps
// messages to CMainDialog and carries out what CMainDialog asks of its view.
#pragma once

#include "editor/MainDialog.h"
#include "editor/win32/KeyFilter.h"
#include "winui/DialogBase.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include <vector>

class CFindWindow;

class CMainWindow : public CDialogBase, private IMainView {
public:
    CMainWindow();
    ~CMainWindow() override;

    // Runs the window modally until it closes.
    INT_PTR Run(HINSTANCE instance);
    // The same window, modeless, for programs that drive it from their own loop (benchmarks).
    HWND CreateModeless(HINSTANCE instance);
    CMainDialog& Logic() { return logic; }
    // A file to open once the window shows (empty: none), as the open command would.
    void OpenAtStart(const std::string& path) { startPath = path; }

protected:
    BOOL OnInit() override;
    bool OnCommand(int code, int id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void AddMenuItems();
    void SetIcons();
    void InsertColumns();
    void Close();
    void PaintIconic();
    // A path from outside the window, opened with the file-name part the open dialog gives.
    void OpenNamed(const std::string& path);
    void OpenDropped(HDROP drop);
    // LVN_GETDISPINFO: a row's column text, from the texts it was given.
    void ShowRowText(NMLVDISPINFOA& info);

    // IMainView
    int RowCount() override;
    void InsertRow(int index, RowTexts texts) override;
    void SetRow(int index, const RowTexts& texts) override;
    void DeleteRow(int index) override;
    void DeleteAllRows() override;
    void BeginBatch() override;
    void EndBatch() override;
    int SelectedCount() override;
    int NextSelected(int after) override;
    void SelectRow(int index) override;
    void SetAllRowsSelected(bool selected) override;
    void ClearRow(int index) override;
    void EnsureVisible(int index) override;
    void EnableButton(int id, bool enabled) override;
    void EnableMenuItem(int id, bool enabled) override;
    void SetPathText(const std::string& text) override;
    void SetModifiedText(const std::string& text) override;
    int Message(const std::string& text, MessageKind kind) override;
    bool AskOpenPath(std::string& path, std::string& fileName) override;
    bool AskSavePath(const std::string& proposed, std::string& path) override;
    void ShowAbout() override;
    bool EditEntry(CKmdDate& entry, const std::vector<KmdRule>& holidays) override;
    int ConfirmDelete(const std::string& text, bool allowAll) override;
    CFindDialog* CreateFindDialog() override;
    void DestroyFindDialog(CFindDialog* dialog) override;
    ClipResult PutClipboard(const std::vector<unsigned char>& block) override;
    ClipResult GetClipboard(std::vector<unsigned char>& block) override;

    HINSTANCE instance = nullptr;
    HWND list = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    KeyWindows keys;
    CFindWindow* findWindow = nullptr;
    std::string startPath;
    int batchDepth = 0;
    // The row to get the focus when the batch ends (-1: none): the list view scrolls to every
    // row that gets the focus, which costs a screen's work per row.
    int pendingFocus = -1;
    // Every row's column texts, which the list view asks for as it shows them.
    std::vector<RowTexts> rowTexts;
    CMainDialog logic;
};

// The program: the message caption, the main window run to its end with `startPath` opened
// first (empty: none). The window's result.
INT_PTR RunMainWindow(HINSTANCE instance, const std::string& startPath = std::string());
