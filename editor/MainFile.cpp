// Open, save and About of the main window.
#include "editor/MainDialog.h"

#include "editor/Resource.h"

#include <cstdio>
#include <cstring>

namespace {
const char kOpenCalledOff[] = "読込を中止します。";
} // namespace

bool CMainDialog::MayDiscard(const char* calledOff) {
    if (!modified || view.Message("表示中のデータは変更されています。\n破棄してもよろしいですか？",
                                  MK_QUESTION) == ANSWER_YES)
        return true;
    view.Message(calledOff, MK_NOTICE);
    return false;
}

void CMainDialog::Open() {
    buttons.asking = IDC_OPEN;
    ShowState();
    std::string path, name;
    if (MayDiscard(kOpenCalledOff) && view.AskOpenPath(path, name))
        ReadFile(path, name);
    buttons.asking = 0;
    ShowState();
}

void CMainDialog::OpenPath(const std::string& path, const std::string& name) {
    if (MayDiscard(kOpenCalledOff))
        ReadFile(path, name);
}

void CMainDialog::ReadFile(const std::string& path, const std::string& name) {
    fileName = name;
    // Taken before the read: a change in between shows at the save rather than going unseen.
    const CFileStamp read = StampOf(path.c_str());
    bool legacy = false;
    if (!OpenDataFile(dataFile, path.c_str(), &legacy)) {
        view.Message("ファイルの読込に失敗しました。\n", MK_STOP);
        return;
    }
    history.Clear(); // what came before the file cannot be undone into it
    watch.Remember(path, read);
    // A legacy file is no place to write the binary format back to.
    inPlacePath = legacy ? std::string() : path;
    buttons.ListFilled();
    SetModified(false);
    RefillList();
    currentIndex = -1;
    view.SetPathText(path);

    // An import that stopped at a malformed line: the user would save and lose the rest.
    const LoadReport& report = dataFile.GetLoadReport();
    if (report.importStopLine != 0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "%d行目で読込を中止しました。\nそれ以降の行は読み込まれていません。",
                      static_cast<int>(report.importStopLine));
        view.Message(text, MK_WARNING);
    }
    // A binary file cut short: what it held is shown, but a save would make the loss final.
    if (report.records.Cut()) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "%lu件のうち%d件を読み込みました。\nファイルが壊れている可能性があります。",
                      static_cast<unsigned long>(report.records.promised), dataFile.GetCount());
        view.Message(text, MK_WARNING);
    }
}

std::string CMainDialog::ProposedSaveName() const {
    // Saving the binary format under a .kmd name would make a file the editor then opens as
    // legacy text.
    if (IsLegacyName(fileName.c_str()))
        return fileName.substr(0, fileName.size() - 4) + ".kmb";
    return fileName;
}

void CMainDialog::SaveInPlace() {
    if (inPlacePath.empty()) {
        Save();
        return;
    }
    // The file already holds the list: writing it again would only make the backup a copy
    // of it, and the generation before would be lost.
    if (!modified && watch.Unchanged(inPlacePath))
        return;
    SaveTo(inPlacePath);
}

void CMainDialog::Save() {
    buttons.asking = IDC_SAVE;
    ShowState();
    std::string path;
    if (view.AskSavePath(ProposedSaveName(), path))
        SaveTo(path);
    buttons.asking = 0;
    buttons.saveReady = true;
    ShowState();
}

bool CMainDialog::SaveTo(const std::string& path) {
    if (watch.ChangedByOthers(path) &&
        view.Message(
            "ファイルは他のプログラムによって変更されています。\n上書きしてもよろしいですか？",
            MK_QUESTION) != ANSWER_YES)
        return false;
    // No whole backup, no write: the previous generation is never lost.
    CFileStamp written;
    if (!MakeBackup(path.c_str()) || !dataFile.Write(path.c_str(), &written)) {
        view.Message("ファイルの保存に失敗しました。\n", MK_STOP);
        return false;
    }
    watch.Remember(path, written);
    inPlacePath = path;
    SetModified(false);
    view.SetPathText(path);
    return true;
}

void CMainDialog::About() {
    view.ShowAbout();
}
