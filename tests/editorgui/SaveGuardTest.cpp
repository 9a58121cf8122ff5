// The real main window against the world around it: Windows asking to end the session while
// changes wait, and another program's save between the open and the save here.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {
const char kDiscard[] = "表示中のデータは変更されています。\n破棄してもよろしいですか？";
const char kChanged[] =
    "ファイルは他のプログラムによって変更されています。\n上書きしてもよろしいですか？";

// WM_QUERYENDSESSION sent from another thread, as Windows sends it: the answer comes once the
// window's questions are answered.
class CSessionEnd {
public:
    void Ask(HWND main) {
        done = false;
        sender = std::thread([this, main] {
            result = SendMessageA(main, WM_QUERYENDSESSION, 0, 0);
            done = true;
        });
    }
    LRESULT Answer() {
        while (!done)
            Pump(20);
        sender.join();
        return result;
    }

private:
    std::thread sender;
    std::atomic<bool> done{false};
    LRESULT result = -1;
};
} // namespace

TEST(EditorShutdown, RefusedWhileChangesWaitUnlessTheUserLetsThemGo) {
    CSessionEnd end;
    LRESULT unchanged = -1, refused = -1, agreed = -1;
    CEditorScript script;
    script.OnMain([&](HWND main) {
        end.Ask(main);
        unchanged = end.Answer();
        Press(main, IDC_ADD);
    });
    script.AnswerEntryEdit(
        {Type(IDC_NAME, "燃えるゴミ"), Select(IDC_TYPE, 1), Select(IDC_WEEKDAY, 2)}, IDOK);
    script.OnMain([&](HWND main) { end.Ask(main); });
    script.AnswerBox(kDiscard, IDNO);
    script.AnswerBox("終了を中止します。", IDOK);
    script.OnMain([&](HWND main) {
        refused = end.Answer();
        end.Ask(main);
    });
    script.AnswerBox(kDiscard, IDYES);
    script.OnMain([&](HWND main) {
        agreed = end.Answer();
        EXPECT_TRUE(IsWindowVisible(main)); // the question alone ends nothing
        PostMessageA(main, WM_ENDSESSION, TRUE, 0);
    });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(unchanged, TRUE);
    EXPECT_EQ(refused, FALSE);
    EXPECT_EQ(agreed, TRUE);
    EXPECT_EQ(script.BoxKinds(), "QNQ"); // and none when the session ends
    EXPECT_EQ(FindMainWindow(), nullptr);
}

// koyomi holidays writes over the file the editor holds: the save asks, No keeps koyomi's file,
// Yes writes. The editor's own save, and a file deleted meanwhile, ask nothing.
TEST(EditorSecondWriter, SaveOverAnotherProgramsChangesAsksFirst) {
    // Full paths: the file dialogs leave their folder current.
    FreshDir("second_writer");
    const std::string file = WorkDir() + "tmp_second_writer\\shared.kmb";
    WriteEntries(file, {RawEntry(0, 25, 0, 0, 0, "給料日")});
    const std::string mine = ReadBytes(file);
    std::string theirs;
    const auto save = [&](CEditorScript& s, bool exists) {
        s.AnswerFileDialog(file);
        if (exists)
            s.AnswerOverwrite();
    };
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(file);
    script.OnMain([&](HWND main) {
        EXPECT_EQ(RunProcess(BinPath("koyomi.exe") + " holidays 2027 " + file, "koyomi.txt"), 0);
        theirs = ReadBytes(file);
        Press(main, IDC_SAVE);
    });
    save(script, true);
    script.AnswerBox(kChanged, IDNO);
    script.OnMain([&](HWND main) {
        EXPECT_EQ(ReadBytes(file), theirs);
        Press(main, IDC_SAVE);
    });
    save(script, true);
    script.AnswerBox(kChanged, IDYES);
    script.OnMain([&](HWND main) {
        EXPECT_EQ(ReadBytes(file), mine);
        Press(main, IDC_SAVE);
    });
    save(script, true);
    script.OnMain([&](HWND main) {
        DeleteFileA(file.c_str());
        Press(main, IDC_SAVE);
    });
    save(script, false);
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(script.BoxKinds(), "QQ");
    EXPECT_NE(theirs, mine);
    EXPECT_EQ(ReadBytes(file), mine);
}
