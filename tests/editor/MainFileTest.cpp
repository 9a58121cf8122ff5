// The main window's start, open, save, close and current-row tracking.
#include "EditorTestUtil.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {
const char kDiscard[] = "表示中のデータは変更されています。\n破棄してもよろしいですか？";
const char kReadFailed[] = "ファイルの読込に失敗しました。\n";
const char kChanged[] =
    "ファイルは他のプログラムによって変更されています。\n上書きしてもよろしいですか？";
} // namespace

TEST_F(EditorTest, StartsEmptyWithTheTemplatesButtonStates) {
    EXPECT_EQ("新規ファイル", view.pathText);
    EXPECT_EQ(-1, dialog.CurrentIndex());
    EXPECT_FALSE(dialog.IsModified());
    ExpectButtons({IDC_OPEN, IDC_ADD}, true);
    ExpectButtons(kRowButtonIds, false);
    ExpectButtons(kFileButtonIds, false);
}

TEST_F(EditorTest, OpenPicksTheReaderByTheExtensionOnly) {
    const std::vector<CKmdDate> entries = {Named("給料日", 25), Named("ゴミの日", 3)};
    const std::string text = "0\t0\t25\t0\t0\t0\t0\t給料日\n0\t0\t3\t0\t0\t0\t0\tゴミの日\n";
    CKmdDataFile binary;
    for (const CKmdDate& e : entries)
        binary.Add(e);
    struct Case {
        const char* name;
        bool textInside;
        bool opens;
    } cases[] = {
        {"a.kmd", true, true},        {"b.KMD", true, true},      {"c.Kmd", true, true},
        {"d.kmb", false, true},       {"e.kmd.bak", false, true}, {"noext", false, true},
        {"f.kmd.bak", true, false},   {"g.kmb", true, false},     {"h.txt", false, true},
        {"i.kmd/plain", false, true}, // a dot in a folder name is no extension
    };
    MakeDir(dir + "/i.kmd");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        CFakeMainView& v = view;
        CMainDialog& d = dialog;
        const std::string path = dir + "/" + c.name;
        if (c.textInside)
            WriteBytes(path, text);
        else
            binary.Write(path.c_str());
        v.openAnswers.push_back({path, c.name});
        d.OnCommand(IDC_OPEN);

        EXPECT_EQ(c.name, d.FileName()); // kept even when the read fails
        EXPECT_TRUE(v.Enabled(IDC_OPEN));
        if (!c.opens) {
            EXPECT_EQ(std::vector<std::string>{kReadFailed}, v.TakeMessages());
            EXPECT_EQ("新規ファイル", v.pathText);
            EXPECT_EQ(0, v.RowCount());
            for (int id : kFileButtonIds)
                EXPECT_FALSE(v.Enabled(id)) << id;
            continue;
        }
        EXPECT_EQ(std::vector<std::string>(), v.TakeMessages());
        EXPECT_EQ(path, v.pathText);
        ASSERT_EQ(2, v.RowCount());
        EXPECT_EQ(TextsOf(entries[0]), v.rows[0].texts);
        EXPECT_EQ(TextsOf(entries[1]), v.rows[1].texts);
        for (int id : kFileButtonIds)
            EXPECT_TRUE(v.Enabled(id)) << id;
        EXPECT_TRUE(v.Enabled(IDC_ADD));
    }
}

TEST_F(EditorTest, FailedOpenKeepsListPathAndModifiedState) {
    OpenNames({"one", "two"});
    dialog.OnListClick(1);
    dialog.SetModified(true);
    view.questionAnswers = {ANSWER_YES};
    view.openAnswers.push_back({dir + "/missing.kmb", "missing.kmb"});
    dialog.OnCommand(IDC_OPEN);

    EXPECT_EQ((std::vector<std::string>{kDiscard, kReadFailed}), view.TakeMessages());
    EXPECT_EQ(dir + "/open.kmb", view.pathText);
    EXPECT_EQ("missing.kmb", dialog.FileName());
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ("変更あり", view.modifiedText);
    EXPECT_EQ(1, dialog.CurrentIndex());
    ExpectRowsMatch();
    EXPECT_EQ(2, view.RowCount());
    ExpectButtons(kRowButtonIds, true);
    ExpectButtons(kFileButtonIds, true);
}

TEST_F(EditorTest, OpenAsksFirstWhenModifiedAndCancelChangesNothing) {
    OpenNames({"one"});
    dialog.OnListClick(0);
    const std::string second = WriteKmb("second.kmb", {Named("x"), Named("y")});

    // No: the notice, and the open dialog never shows.
    dialog.SetModified(true);
    view.openAnswers.push_back({second, "second.kmb"});
    view.questionAnswers = {ANSWER_NO};
    dialog.OnCommand(IDC_OPEN);
    ASSERT_EQ(2u, view.messages.size());
    EXPECT_EQ(kDiscard, view.messages[0].text);
    EXPECT_EQ(MK_QUESTION, view.messages[0].kind);
    EXPECT_EQ("読込を中止します。", view.messages[1].text);
    EXPECT_EQ(MK_NOTICE, view.messages[1].kind);
    view.messages.clear();
    EXPECT_EQ(1u, view.openAnswers.size());
    EXPECT_TRUE(view.Enabled(IDC_OPEN));
    EXPECT_EQ(1, view.RowCount());

    // Yes, then the open dialog cancelled: nothing changes.
    view.openAnswers.clear();
    view.questionAnswers = {ANSWER_YES};
    dialog.OnCommand(IDC_OPEN);
    EXPECT_EQ(std::vector<std::string>{kDiscard}, view.TakeMessages());
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ("open.kmb", dialog.FileName());
    EXPECT_EQ(1, view.RowCount());
    EXPECT_TRUE(view.Enabled(IDC_OPEN));

    // Yes and a file: the new entries, unmodified, no current row, the row buttons as before.
    view.openAnswers.push_back({second, "second.kmb"});
    view.questionAnswers = {ANSWER_YES};
    dialog.OnCommand(IDC_OPEN);
    EXPECT_EQ(std::vector<std::string>{kDiscard}, view.TakeMessages());
    EXPECT_FALSE(dialog.IsModified());
    EXPECT_EQ("", view.modifiedText);
    EXPECT_EQ(-1, dialog.CurrentIndex());
    EXPECT_EQ(second, view.pathText);
    ExpectRowsMatch();
    ExpectButtons(kRowButtonIds, true);
}

TEST_F(EditorTest, ImportStoppedEarlyOpensWhatWasReadAndSaysWhere) {
    const std::string path = dir + "/stop.kmd";
    WriteBytes(path, "# c\n0\t0\t1\t0\t0\t0\t0\tA\n0\t0\t2\t0\t0\t0\tB\n0\t0\t3\t0\t0\t0\t0\tC\n");
    view.openAnswers.push_back({path, "stop.kmd"});
    dialog.OnCommand(IDC_OPEN);
    ASSERT_EQ(1u, view.messages.size());
    EXPECT_EQ("3行目で読込を中止しました。\nそれ以降の行は読み込まれていません。",
              view.messages[0].text);
    EXPECT_EQ(MK_WARNING, view.messages[0].kind);
    EXPECT_EQ(std::vector<std::string>{"A"}, NamesOf(dialog.DataFile()));
    EXPECT_EQ(path, view.pathText);
    ExpectButtons(kFileButtonIds, true);
}

TEST_F(EditorTest, CutBinaryFileOpensWhatItHeldAndSaysSo) {
    const std::string path = dir + "/cut.kmb";
    CKmdDataFile whole;
    for (int i = 1; i <= 7; ++i)
        whole.Add(Named("燃えるゴミ", static_cast<unsigned>(i)));
    whole.Write(path.c_str());
    WriteBytes(path, ReadBytes(path).substr(0, 40)); // one record whole, the second cut
    view.openAnswers.push_back({path, "cut.kmb"});
    dialog.OnCommand(IDC_OPEN);
    ASSERT_EQ(1u, view.messages.size());
    EXPECT_EQ("7件のうち2件を読み込みました。\nファイルが壊れている可能性があります。",
              view.messages[0].text);
    EXPECT_EQ(MK_WARNING, view.messages[0].kind);
    EXPECT_EQ(2, dialog.DataFile().GetCount());
}

TEST_F(EditorTest, SaveProposesTheOpenedNameWithKmdMadeKmb) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.kmd", "a.kmb"}, {"B.KMD", "B.kmb"},   {"c.kmb", "c.kmb"}, {"d.kmd.bak", "d.kmd.bak"},
        {"noext", "noext"}, {"表.kmd", "表.kmb"}, {"", ""},
    };
    for (const auto& c : cases) {
        Reset();
        CFakeMainView& v = view;
        CMainDialog& d = dialog;
        if (c.first[0]) {
            v.openAnswers.push_back({dir + "/missing", c.first});
            d.OnCommand(IDC_OPEN); // fails, but the name is taken
        }
        d.OnCommand(IDC_SAVE);
        ASSERT_EQ(1u, v.proposedNames.size());
        EXPECT_EQ(c.second, v.proposedNames[0]);
        EXPECT_EQ(c.first, d.FileName());
    }
}

TEST_F(EditorTest, SaveWritesBacksUpAndClearsModifiedOrSaysItFailed) {
    OpenNames({"one", "two"});
    dialog.SetModified(true);

    // Cancelled: nothing written, still modified.
    dialog.OnCommand(IDC_SAVE);
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_TRUE(view.Enabled(IDC_SAVE));

    const std::string target = dir + "/saved.kmb";
    view.saveAnswers = {target};
    dialog.OnCommand(IDC_SAVE);
    EXPECT_EQ(std::vector<std::string>(), view.TakeMessages());
    EXPECT_FALSE(dialog.IsModified());
    EXPECT_EQ("", view.modifiedText);
    EXPECT_EQ(target, view.pathText);
    EXPECT_EQ("open.kmb", dialog.FileName());
    EXPECT_EQ(ReadBytes(dir + "/open.kmb"), ReadBytes(target));
    EXPECT_TRUE(view.Enabled(IDC_SAVE));

    // Saving again keeps the previous file as the backup.
    const std::string before = ReadBytes(target);
    dialog.SetModified(true);
    view.saveAnswers = {target};
    dialog.OnCommand(IDC_SAVE);
    EXPECT_EQ(before, ReadBytes(dir + "/saved.bak"));

    // A folder that does not exist: the failure is shown, nothing else changes.
    dialog.SetModified(true);
    view.saveAnswers = {dir + "/no/such/folder.kmb"};
    dialog.OnCommand(IDC_SAVE);
    ASSERT_EQ(1u, view.messages.size());
    EXPECT_EQ("ファイルの保存に失敗しました。\n", view.messages[0].text);
    EXPECT_EQ(MK_STOP, view.messages[0].kind);
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ("変更あり", view.modifiedText);
    EXPECT_EQ(target, view.pathText);
    EXPECT_TRUE(view.Enabled(IDC_SAVE));

    // A backup that cannot be made (a folder holds its name): the file is not written.
    view.TakeMessages();
    WriteBytes(target, "the file as it was");
    std::remove((dir + "/saved.bak").c_str());
    FreshDir(dir.substr(4) + "/saved.bak");
    dialog.SetModified(true);
    view.saveAnswers = {target};
    view.questionAnswers = {ANSWER_YES}; // to overwrite the file changed since this save
    dialog.OnCommand(IDC_SAVE);
    ASSERT_EQ(2u, view.messages.size());
    EXPECT_EQ("ファイルの保存に失敗しました。\n", view.messages[1].text);
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ("the file as it was", ReadBytes(target));
}

TEST_F(EditorTest, CloseAsksOnlyWhenModified) {
    EXPECT_TRUE(dialog.OnClose());
    EXPECT_TRUE(view.messages.empty());

    dialog.SetModified(true);
    view.questionAnswers = {ANSWER_NO};
    EXPECT_FALSE(dialog.OnClose());
    EXPECT_EQ((std::vector<std::string>{kDiscard, "終了を中止します。"}), view.TakeMessages());

    dialog.OnCommand(IDC_FIND);
    view.questionAnswers = {ANSWER_YES};
    EXPECT_TRUE(dialog.OnClose());
    EXPECT_EQ(std::vector<std::string>{kDiscard}, view.TakeMessages());
    EXPECT_EQ(nullptr, dialog.FindDialog()); // the search dialog goes with its owner
    EXPECT_EQ(1, view.findDestroyed);
}

TEST_F(EditorTest, ClicksTrackTheCurrentRowAndTheRowButtons) {
    OpenNames({"one", "two"});
    dialog.OnListClick(1);
    EXPECT_EQ(1, dialog.CurrentIndex());
    ExpectButtons(kRowButtonIds, true);

    // The same row again does not re-evaluate the buttons.
    view.buttons[IDC_EDIT] = false;
    dialog.OnListClick(1);
    EXPECT_FALSE(view.Enabled(IDC_EDIT));

    dialog.OnListClick(-1);
    EXPECT_EQ(-1, dialog.CurrentIndex());
    ExpectButtons(kRowButtonIds, false); // コピー and 貼付 among them
    ExpectButtons({IDC_SAVE, IDC_CLEAR_ALL, IDC_FIND}, true);

    dialog.OnCommand(IDM_ABOUTBOX);
    EXPECT_EQ(1, view.aboutShown);
    EXPECT_FALSE(dialog.IsModified());
}

TEST_F(EditorTest, ModifiedIndicatorChangesOnlyWithTheValue) {
    view.modifiedText = "untouched";
    dialog.SetModified(false);
    EXPECT_EQ("untouched", view.modifiedText);
    dialog.SetModified(true);
    EXPECT_EQ("変更あり", view.modifiedText);
    dialog.SetModified(false);
    EXPECT_EQ("", view.modifiedText);
}

// Another program's save since the open or the last save here: the editor asks before it
// overwrites that work and No writes nothing (the window's test answers Yes as well).
TEST_F(EditorTest, SaveOverAFileChangedElsewhereAsksFirst) {
    OpenNames({"mine"});
    const std::string path = dir + "/open.kmb", other = dir + "/other.kmb";
    // The same size, a later write time.
    std::string bytes = ReadBytes(path);
    bytes.back() ^= 1;
    const auto was = std::filesystem::last_write_time(path);
    WriteBytes(path, bytes);
    std::filesystem::last_write_time(path, was + std::chrono::seconds(2));
    view.saveAnswers = {path};
    dialog.OnCommand(IDC_SAVE);
    EXPECT_EQ(std::vector<std::string>{kChanged}, view.TakeMessages());
    EXPECT_EQ(bytes, ReadBytes(path));
    // Deleted meanwhile: simply saved; then saved over a file other than the one held: no question.
    std::remove(path.c_str());
    WriteBytes(other, "another file");
    view.saveAnswers = {path, other};
    dialog.OnCommand(IDC_SAVE);
    dialog.OnCommand(IDC_SAVE);
    EXPECT_TRUE(view.TakeMessages().empty());
    EXPECT_EQ(ReadBytes(path), ReadBytes(other));
}

// A file named from outside (a drop, the command line) opens as the open command's choice.
// Ctrl+S writes the binary file read or saved last in place, its backup first, no dialog, and
// nothing when nothing changed (the backup keeps the generation before); a new list or a
// legacy import has no such place: the save dialog asks, and its choice is the place after.
TEST_F(EditorTest, OpenPathOpensAndCtrlSSavesInPlace) {
    dialog.OnCommand(IDM_SAVE_IN_PLACE);
    const std::string first = WriteKmb("first.kmb", {Named("a"), Named("b")});
    const std::string was = ReadBytes(first), legacy = dir + "/old.kmd";
    dialog.OpenPath(first, "first.kmb");
    dialog.OnCommand(IDM_SAVE_IN_PLACE);
    EXPECT_FALSE(Exists(dir + "/first.bak"));
    dialog.OnListClick(0);
    dialog.OnCommand(IDC_MOVE_DOWN);
    dialog.OnCommand(IDM_SAVE_IN_PLACE);
    EXPECT_EQ(was, ReadBytes(dir + "/first.bak"));
    dialog.OnCommand(IDC_MOVE_UP);

    WriteBytes(legacy, "0\t0\t1\t0\t0\t0\t0\tA\n");
    view.questionAnswers = {ANSWER_NO, ANSWER_YES};
    for (const std::string& path : {legacy, legacy, dir + "/missing.kmb"})
        dialog.OpenPath(path, "old.kmd");
    EXPECT_EQ((std::vector<std::string>{kDiscard, "読込を中止します。", kDiscard, kReadFailed}),
              view.TakeMessages());
    EXPECT_EQ(legacy, view.pathText);
    EXPECT_EQ("", view.modifiedText);
    EXPECT_FALSE(view.menuItems[IDM_UNDO]);
    ExpectRowsMatch();
    view.saveAnswers = {dir + "/old.kmb"};
    for (int i = 0; i < 2; ++i) {
        dialog.SetModified(true);
        dialog.OnCommand(IDM_SAVE_IN_PLACE);
    }
    EXPECT_EQ((std::vector<std::string>{"", "old.kmb"}), view.proposedNames);
    EXPECT_TRUE(Exists(dir + "/old.bak")); // the second save wrote over the first
}
