// The real main window against the world around it: Windows asking to end the session while
// changes wait, and another program's save between the open and the save here.
#include "EditorGuiUtil.h"
#include "EntryUtil.h"
#include "TestUtil.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {
// WM_QUERYENDSESSION sent from another thread, as Windows sends it; the answer comes once the
// window's questions are answered.
std::future<LRESULT> AskToEnd(HWND main) {
    return std::async(std::launch::async,
                      [main] { return SendMessageA(main, WM_QUERYENDSESSION, 0, 0); });
}

LRESULT Answer(std::future<LRESULT>& asked) {
    while (asked.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        Pump(20);
    return asked.get();
}
} // namespace

TEST(EditorShutdown, RefusedWhileChangesWaitUnlessTheUserLetsThemGo) {
    std::future<LRESULT> asked;
    std::vector<LRESULT> answers; // refused, then agreed
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_ADD); });
    script.AnswerEntryEdit(
        {Type(IDC_NAME, "燃えるゴミ"), Select(IDC_TYPE, 1), Select(IDC_WEEKDAY, 2)}, IDOK);
    script.OnMain([&](HWND main) { asked = AskToEnd(main); });
    script.AnswerBox(kDiscard, IDNO);
    script.AnswerBox("終了を中止します。", IDOK);
    script.OnMain([&](HWND main) {
        answers.push_back(Answer(asked));
        asked = AskToEnd(main);
    });
    script.AnswerBox(kDiscard, IDYES);
    script.OnMain([&](HWND main) {
        answers.push_back(Answer(asked));
        EXPECT_TRUE(IsWindowVisible(main)); // the question alone ends nothing
        PostMessageA(main, WM_ENDSESSION, TRUE, 0);
    });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(answers, (std::vector<LRESULT>{FALSE, TRUE}));
    EXPECT_EQ(script.BoxKinds(), "QNQ"); // and none when the session ends
    EXPECT_EQ(FindMainWindow(), nullptr);
}

// koyomi holidays writes over the file the editor holds: the save asks, No keeps koyomi's
// file, Yes writes the editor's. A full path, since the file dialogs change folders.
TEST(EditorSecondWriter, SaveOverAnotherProgramsChangesAsksFirst) {
    FreshDir("second_writer");
    const std::string file = WorkDir() + "tmp_second_writer\\shared.kmb";
    WriteEntries(file, {RawEntry(0, 25, 0, 0, 0, "給料日")});
    const std::string mine = ReadBytes(file);
    std::string theirs, afterNo;
    CEditorScript script;
    script.OnMain([](HWND main) { Press(main, IDC_OPEN); });
    script.AnswerFileDialog(file);
    script.OnMain([&](HWND) {
        EXPECT_EQ(RunProcess(BinPath("koyomi.exe") + " holidays 2027 " + file, "k.txt"), 0);
        theirs = ReadBytes(file);
    });
    for (int answer : {IDNO, IDYES}) {
        script.OnMain([&](HWND main) {
            afterNo = ReadBytes(file);
            Press(main, IDC_SAVE);
        });
        script.AnswerFileDialog(file);
        script.AnswerOverwrite();
        script.AnswerBox("ファイルは他のプログラムによって変更されています。\n"
                         "上書きしてもよろしいですか？",
                         answer);
    }
    script.OnMain([](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); });
    script.Run();
    EXPECT_TRUE(script.AllDone());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(script.BoxKinds(), "QQ");
    EXPECT_EQ(afterNo, theirs);
    EXPECT_EQ(ReadBytes(file), mine);
}
