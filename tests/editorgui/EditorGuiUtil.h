// Helpers of the editor's window tests: the real main window run in this process and driven
// by a script, its list read back, keys and clicks as the window receives them.
#pragma once

#include "DialogDriver.h"
#include "EditActs.h"
#include "GuiUtil.h"
#include "data/KmdDate.h"

#include <functional>
#include <string>
#include <vector>

// The question before changes are thrown away.
constexpr char kDiscard[] = "表示中のデータは変更されています。\n破棄してもよろしいですか？";

// The editor's main window of this thread, or null.
HWND FindMainWindow();

// A script for the main window and the boxes and dialogs it opens; Run() runs the real main
// window until it closes and returns its result.
class CEditorScript {
public:
    // A step on the main window, once no box or modal dialog is in front of it.
    void OnMain(std::function<void(HWND main)> action);
    // A message box with this text: its kind is noted ('S' stop, 'Q' question, 'W' warning,
    // 'N' no icon), then it is answered with the button.
    void AnswerBox(const std::string& text, int button, const std::string& screenshot = "");
    // Any other dialog (file dialogs, About, confirmation): the first one on top that is
    // neither the main window nor a message box.
    void OnDialog(std::function<void(HWND dialog)> action);
    // The open or save dialog: the proposed name noted, the path typed in, OK pressed.
    void AnswerFileDialog(const std::string& path, std::string* proposed = nullptr);
    // The save dialog's question whether to replace an existing file: Yes.
    void AnswerOverwrite();
    // The entry edit dialog: the actions done in it, then OK or Cancel pressed.
    void AnswerEntryEdit(const std::vector<Act>& acts, int button);

    // A key-down and key-up posted into the running loop for the window `target` gives (it
    // waits while that is null), with Ctrl held when asked.
    void Key(std::function<HWND()> target, UINT key, bool control = false);

    INT_PTR Run();
    bool AllDone() const { return driver.AllDone(); }
    bool TimedOut() const { return driver.TimedOut(); }
    // The kinds of the boxes answered, in order ("QN" = a question, then a plain notice).
    const std::string& BoxKinds() const { return kinds; }

private:
    void Add(CDialogDriver::Step step);

    CDialogDriver driver;
    std::string kinds;
};

bool IsMessageBox(HWND dialog);
char BoxKind(HWND box);

// The list view's rows: the thirteen texts of each. These helpers work on the window of
// another program as well (KmbTool.exe started by the test).
std::vector<std::vector<std::string>> ListRows(HWND main);
bool RowSelected(HWND main, int row);
// The rows selected, in order.
std::vector<int> Selected(HWND main);
// A mouse click on a row (with Ctrl held when asked), as the list view receives it.
void ClickRow(HWND main, int row, bool control = false);
// A double click on a row: the click that makes it current, then the second one. Posted:
// the list view's notice comes when the loop takes them.
void DoubleClickRow(HWND main, int row);

// The rows the list shows for these entries, and the file holding them.
std::vector<std::vector<std::string>> Rendered(const std::vector<CKmdDate>& entries);
// The rows the list shows for the file (a legacy text file when `legacy`).
std::vector<std::vector<std::string>> ExpectedRows(const std::string& path, bool legacy);
void WriteEntries(const std::string& path, const std::vector<CKmdDate>& entries);

int RowCount(HWND main);

// A visible top-level window of the process: titled `title`, or any other than "KmbTool"
// when null; waits up to 10 s.
HWND WaitForWindow(DWORD pid, const char* title);
// Answers the open or save dialog the other program shows with this path; a question whether
// to replace the file is answered Yes.
bool AnswerFileDialogOf(DWORD pid, const std::string& path);
// Waits up to 10 s for `done`.
void WaitUntil(const std::function<bool()>& done);

// The lines koyomi.exe of this build prints for these arguments (UTF-8, without CR).
std::vector<std::string> KoyomiLines(const std::string& arguments);

// The legacy text file the build makes of examples/NAME.kmd.txt: code page 932, CR LF.
std::string MakeLegacyExample(const std::string& name, const std::string& dir);
// The examples' holidays-2027.kmd, made as the build makes it (koyomi holidays --text).
std::string MakeHolidays2027(const std::string& dir);
// The UTF-8 text of code page 932 bytes, and the reverse.
std::string ToUtf8(const std::string& cp932);
