#include "EditorGuiUtil.h"

#include "RemoteMemory.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "calendar/RowText.h"
#include "editor/Resource.h"
#include "editor/win32/MainWnd.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {
BOOL CALLBACK FindMainProc(HWND w, LPARAM found) {
    if (GetDlgItem(w, IDC_ENTRY_LIST)) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

std::string Convert(const std::string& text, UINT from, UINT to) {
    const int n =
        MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    const int m = WideCharToMultiByte(to, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(to, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
    return out;
}
} // namespace

namespace {
void SetControl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    keys[VK_LCONTROL] = keys[VK_CONTROL];
    SetKeyboardState(keys);
}
} // namespace

HWND FindMainWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMainProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool IsMessageBox(HWND dialog) {
    // Message boxes hold their text in static 0xFFFF and have no list.
    return GetDlgItem(dialog, 0xFFFF) && !GetDlgItem(dialog, IDC_ENTRY_LIST);
}

char BoxKind(HWND box) {
    // The icon static: 0x14 on Windows, 0x440 under Wine.
    for (int id : {0x14, 0x440}) {
        HWND icon = GetDlgItem(box, id);
        if (!icon || !IsWindowVisible(icon))
            continue;
        const HICON shown = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
        if (!shown)
            break;
        if (shown == LoadIconA(nullptr, IDI_HAND))
            return 'S';
        if (shown == LoadIconA(nullptr, IDI_QUESTION))
            return 'Q';
        if (shown == LoadIconA(nullptr, IDI_EXCLAMATION))
            return 'W';
        return '?';
    }
    return 'N';
}

void CEditorScript::OnMain(std::function<void(HWND)> action) {
    Add([action](HWND) {
        HWND main = FindMainWindow();
        if (!main || !IsWindowEnabled(main))
            return false;
        Pump(50);
        action(main);
        return true;
    });
}

void CEditorScript::AnswerBox(const std::string& text, int button, const std::string& shot) {
    Add([this, text, button, shot](HWND top) {
        if (!IsMessageBox(top))
            return false;
        EXPECT_EQ(WindowText(top), "KmbTool");
        EXPECT_EQ(ItemText(top, 0xFFFF), text);
        kinds += BoxKind(top);
        if (!shot.empty()) {
            Pump(200);
            SaveScreenshot(top, shot);
        }
        Press(top, button);
        return true;
    });
}

void CEditorScript::OnDialog(std::function<void(HWND)> action) {
    Add([action](HWND top) {
        if (IsMessageBox(top) || GetDlgItem(top, IDC_ENTRY_LIST))
            return false;
        action(top);
        return true;
    });
}

void CEditorScript::AnswerOverwrite() {
    Add([](HWND top) {
        if (!IsMessageBox(top) || WindowText(top) == "KmbTool")
            return false;
        Press(top, IDYES);
        return true;
    });
}

void CEditorScript::AnswerFileDialog(const std::string& path, std::string* proposed) {
    OnDialog([path, proposed](HWND d) {
        // Wine's explorer-style dialog has its name field in combo box cmb13.
        if (proposed)
            *proposed = ItemText(d, 0x47C);
        if (path.empty()) {
            Press(d, IDCANCEL);
            return;
        }
        SetDlgItemTextA(d, 0x47C, path.c_str());
        Press(d, IDOK);
    });
}

INT_PTR CEditorScript::Run() {
    // The editor leaves the folder of its last file dialog current; the test's paths are
    // relative to its own.
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, dir);
    const INT_PTR result = RunMainWindow(GetModuleHandleA(nullptr));
    SetCurrentDirectoryA(dir);
    SetControl(false);
    return result;
}

namespace {
RECT RowRect(HWND list, int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    CRemoteMemory memory(list, sizeof r);
    memory.Put(&r, sizeof r);
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(memory.At(0)));
    memory.Get(0, &r, sizeof r);
    return r;
}
} // namespace

std::vector<std::vector<std::string>> ListRows(HWND main) {
    HWND list = GetDlgItem(main, IDC_ENTRY_LIST);
    std::vector<std::vector<std::string>> rows;
    const int n = RowCount(main);
    CRemoteMemory memory(list, sizeof(LVITEMA) + 260);
    for (int i = 0; i < n; ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < 13; ++c) {
            char text[260] = {};
            LVITEMA item = {};
            item.iSubItem = c;
            item.pszText = memory.At(sizeof item);
            item.cchTextMax = sizeof text - 1;
            memory.Put(&item, sizeof item);
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(memory.At(0)));
            memory.Get(sizeof item, text, sizeof text - 1);
            row.push_back(text);
        }
        rows.push_back(row);
    }
    return rows;
}

int RowCount(HWND main) {
    return static_cast<int>(SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_GETITEMCOUNT, 0, 0));
}

bool RowSelected(HWND main, int row) {
    return SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                               LVIS_SELECTED) != 0;
}

void ClickRow(HWND main, int row, bool control) {
    HWND list = GetDlgItem(main, IDC_ENTRY_LIST);
    const RECT r = RowRect(list, row);
    const LPARAM at = MAKELPARAM(r.left + 40, (r.top + r.bottom) / 2);
    const WPARAM keys = control ? MK_CONTROL : 0;
    if (control)
        SetControl(true);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageA(list, WM_LBUTTONUP, keys, at);
    Pump(100);
    if (control)
        SetControl(false);
}

void CEditorScript::Key(std::function<HWND()> target, UINT key, bool control) {
    Add([target, key, control](HWND) {
        HWND to = target();
        if (!to)
            return false;
        // The accelerator table reads this thread's Ctrl state when the loop takes the key;
        // the next step lets it go.
        SetControl(control);
        PostMessageA(to, WM_KEYDOWN, key, 1);
        PostMessageA(to, WM_KEYUP, key, 0xC0000001);
        return true;
    });
}

void CEditorScript::Add(CDialogDriver::Step step) {
    // Steps run once the loop has taken every posted message, keys included.
    driver.Add([step](HWND top) {
        SetControl(false);
        return step(top);
    });
}

std::string MakeLegacyExample(const std::string& name, const std::string& dir) {
    std::string text = ReadBytes(SourcePath("examples/" + name + ".kmd.txt"));
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const std::string path = dir + "/" + name + ".kmd";
    WriteBytes(path, Convert(crlf, CP_UTF8, 932));
    return path;
}

std::string MakeHolidays2027(const std::string& dir) {
    const std::string path = dir + "/holidays-2027.kmd";
    EXPECT_EQ(RunProcess(BinPath("koyomi.exe") + " holidays --text 2027 " + path, "holidays.txt"),
              0);
    return path;
}

std::string ToUtf8(const std::string& cp932) {
    return Convert(cp932, 932, CP_UTF8);
}

std::vector<int> Selected(HWND main) {
    std::vector<int> rows;
    const int n =
        static_cast<int>(SendDlgItemMessageA(main, IDC_ENTRY_LIST, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i)
        if (RowSelected(main, i))
            rows.push_back(i);
    return rows;
}

void DoubleClickRow(HWND main, int row) {
    ClickRow(main, row);
    HWND list = GetDlgItem(main, IDC_ENTRY_LIST);
    const RECT r = RowRect(list, row);
    const LPARAM at = MAKELPARAM(r.left + 40, (r.top + r.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

std::vector<std::vector<std::string>> Rendered(const std::vector<CKmdDate>& entries) {
    std::vector<std::vector<std::string>> rows;
    for (const CKmdDate& e : entries) {
        std::vector<std::string> row;
        for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
            row.push_back(RowColumnText(e, c));
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::vector<std::string>> ExpectedRows(const std::string& path, bool legacy) {
    CKmdDataFile file;
    EXPECT_TRUE(legacy ? file.ImportText(path.c_str()) : file.Read(path.c_str())) << path;
    std::vector<CKmdDate> entries;
    CKmdDate e;
    for (unsigned i = 0; file.GetAt(i, e); ++i)
        entries.push_back(e);
    return Rendered(entries);
}

void WriteEntries(const std::string& path, const std::vector<CKmdDate>& entries) {
    CKmdDataFile file;
    for (const CKmdDate& e : entries)
        file.Add(e);
    EXPECT_TRUE(file.Write(path.c_str())) << path;
}

void CEditorScript::AnswerEntryEdit(const std::vector<Act>& acts, int button) {
    OnDialog([acts, button](HWND d) {
        EXPECT_EQ(WindowText(d), "KmbTool 編集ダイアログ");
        for (const Act& a : acts)
            DoInWindow(d, a);
        Press(d, button);
    });
}

namespace {
struct Found {
    DWORD pid;
    const char* title;
    HWND window;
};

BOOL CALLBACK FindTopProc(HWND w, LPARAM lp) {
    Found* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->pid && IsWindowVisible(w) &&
        (f->title ? WindowText(w) == f->title : WindowText(w) != "KmbTool")) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindBoxProc(HWND w, LPARAM lp) {
    Found* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    // The file dialog (its name field 0x47C) may hold a static of id 0xFFFF too.
    if (pid == f->pid && IsWindowVisible(w) && IsMessageBox(w) && !GetDlgItem(w, 0x47C)) {
        f->window = w;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND WaitForWindow(DWORD pid, const char* title) {
    for (int i = 0; i < 200; ++i) {
        Found f = {pid, title, nullptr};
        EnumWindows(FindTopProc, reinterpret_cast<LPARAM>(&f));
        if (f.window)
            return f.window;
        Sleep(50);
    }
    return nullptr;
}

bool AnswerFileDialogOf(DWORD pid, const std::string& path) {
    HWND dialog = WaitForWindow(pid, nullptr);
    if (!dialog)
        return false;
    SendDlgItemMessageA(dialog, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    // The dialog goes, or asks whether to replace the file.
    for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) {
        Found box = {pid, nullptr, nullptr};
        EnumWindows(FindBoxProc, reinterpret_cast<LPARAM>(&box));
        if (box.window) {
            Press(box.window, IDYES);
            break;
        }
        Sleep(50);
    }
    return true;
}

void WaitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i)
        Sleep(50);
}

std::vector<std::string> KoyomiLines(const std::string& arguments) {
    const std::string out = "koyomi_out.txt";
    // UTF-8, as the expectations are written; a file would otherwise get code page 932.
    EXPECT_EQ(RunProcess(BinPath("koyomi.exe") + " --utf8 " + arguments, out), 0) << arguments;
    std::vector<std::string> lines;
    std::string line;
    for (char c : ReadBytes(out)) {
        if (c == '\r')
            continue;
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}
