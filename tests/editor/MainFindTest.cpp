// The search dialog's requests and the main window's downward and upward search.
#include "EditorTestUtil.h"

#include "editor/FindDialog.h"

namespace {
const char kAtEnd[] = "既にファイルの終端です。";
const char kAtTop[] = "既にファイルの先端です。";
const char kNoneBelow[] = "ファイルの終端まで検索しましたが、見つかりません。";
const char kNoneAbove[] = "ファイルの先端まで検索しましたが、見つかりません。";

class FindTest : public EditorTest {
protected:
    // One request through the dialog's buttons (or Ctrl+N / Ctrl+P in the main window), the
    // posted message delivered as the window's loop would.
    void Search(const std::string& text, bool down, int fromEnds) {
        ASSERT_NE(nullptr, view.findView);
        view.findView->text = text;
        view.findView->fromEnds = fromEnds;
        dialog.OnCommand(down ? IDC_FIND_DOWN : IDC_FIND_UP);
        Deliver();
    }
    void Deliver() {
        while (view.findView && !view.findView->posts.empty()) {
            const auto post = view.findView->posts.front();
            view.findView->posts.erase(view.findView->posts.begin());
            dialog.OnFindMessage(post.first, post.second);
        }
    }
};
} // namespace

TEST_F(FindTest, EverySearchMessageAndStartRow) {
    // Rows: 0 "key a", 1 "b", 2 "key c", 3 "d", 4 "key e".
    const std::vector<std::string> five = {"key a", "b", "key c", "d", "key e"};
    struct Step {
        bool down;
        int fromEnds;
        int hit; // the row found, or -1 for a message
        const char* message;
    };
    struct Case {
        const char* what;
        std::vector<std::string> names;
        int current; // row clicked before the dialog is shown
        std::vector<Step> steps;
    } cases[] = {
        {"empty list down", {}, -1, {{true, 1, -1, kAtEnd}, {true, 0, -1, kAtEnd}}},
        {"empty list up", {}, -1, {{false, 1, -1, kAtTop}, {false, 0, -1, kAtTop}}},
        {"down from the top, then on from each hit",
         five,
         -1,
         {{true, 1, 0, nullptr},
          {true, 0, 2, nullptr},
          {true, 0, 4, nullptr},
          {true, 1, -1, kAtEnd}}},
        {"down from the current row starts below it", five, 2, {{true, 0, 4, nullptr}}},
        {"down from the ends ignores the current row", five, 2, {{true, 1, 0, nullptr}}},
        {"down with the last row current", five, 4, {{true, 0, -1, kAtEnd}, {true, 1, 0, nullptr}}},
        {"down without a hit keeps the last hit",
         {"key", "x", "y"},
         -1,
         {{true, 1, 0, nullptr}, {true, 0, -1, kNoneBelow}, {false, 0, -1, kAtTop}}},
        {"up from the bottom, then on from each hit",
         five,
         -1,
         {{false, 0, 4, nullptr},
          {false, 0, 2, nullptr},
          {false, 0, 0, nullptr},
          {false, 1, -1, kAtTop}}},
        {"up from the current row starts above it", five, 2, {{false, 0, 0, nullptr}}},
        {"up from the ends ignores the current row", five, 2, {{false, 1, 4, nullptr}}},
        {"up with row 0 current", five, 0, {{false, 0, -1, kAtTop}, {false, 1, -1, kAtTop}}},
        {"up without a hit",
         {"x", "y", "key"},
         1,
         {{false, 0, -1, kNoneAbove}, {true, 0, 2, nullptr}, {false, 0, -1, kNoneAbove}}},
        {"a hit in the middle of a name", {"x", "the key here"}, -1, {{true, 1, 1, nullptr}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        if (!c.names.empty())
            OpenNames(c.names);
        dialog.OnListClick(c.current);
        dialog.OnCommand(IDC_FIND);
        for (std::size_t s = 0; s < c.steps.size(); ++s) {
            SCOPED_TRACE("step " + std::to_string(s));
            const Step& st = c.steps[s];
            const int lastBefore = dialog.LastFound();
            Search("key", st.down, st.fromEnds);
            EXPECT_EQ(c.current, dialog.CurrentIndex());
            if (st.message) {
                EXPECT_EQ(std::vector<std::string>{st.message}, view.TakeMessages());
                EXPECT_EQ(lastBefore, dialog.LastFound());
            } else {
                EXPECT_EQ(std::vector<std::string>(), view.TakeMessages());
                EXPECT_EQ(st.hit, dialog.LastFound());
                EXPECT_EQ(st.hit, view.Focused());
                EXPECT_EQ(st.hit, view.visible);
                EXPECT_TRUE(view.rows[st.hit].selected);
                if (lastBefore != -1 && lastBefore != st.hit) {
                    EXPECT_FALSE(view.rows[lastBefore].selected);
                }
            }
            // The option returns to 現在の位置から after each request.
            EXPECT_EQ(0, view.findView->fromEnds);
        }
    }
}

TEST_F(FindTest, MatchesByteForByteAtCharacterBoundariesOnly) {
    // ア is 83 41 and 表 is 95 5C: their second bytes are "A" and a backslash.
    struct Case {
        const char* name;
        const char* text;
        bool found;
    } cases[] = {
        {"ア", "A", false},     {"表示", "\\", false},       {"アA", "A", true},
        {"a\\b", "\\", true},   {"Payday", "payday", false}, {"payday", "payday", true},
        {"給料日", "料", true}, {"表", "表", true},          {"ab", "abc", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        OpenNames({"first", c.name});
        dialog.OnCommand(IDC_FIND);
        Search(c.text, true, 1);
        EXPECT_EQ(c.found ? 1 : -1, dialog.LastFound());
    }
}

TEST_F(FindTest, HitKeepsOtherSelectionsAndTheCurrentRow) {
    OpenNames({"a", "key", "b", "key"});
    view.UserClick(0);
    dialog.OnListClick(0);
    view.UserClick(2, true);
    dialog.OnCommand(IDC_FIND);
    Search("key", true, 0);
    Search("key", true, 0);
    EXPECT_EQ((std::vector<int>{0, 2, 3}), view.Selected()); // row 1 cleared by the second hit
    EXPECT_EQ(0, dialog.CurrentIndex());
    EXPECT_FALSE(dialog.IsModified());
    ExpectRowsMatch();
}

TEST_F(FindTest, OneDialogItsOptionAndItsRequests) {
    OpenNames({"a", "b"});
    // Ctrl+N and Ctrl+P do nothing without the dialog.
    dialog.OnCommand(IDC_FIND_DOWN);
    dialog.OnCommand(IDC_FIND_UP);
    EXPECT_EQ(0, view.findCreated);

    // No current row: from the ends; then a hit.
    dialog.OnCommand(IDC_FIND);
    ASSERT_NE(nullptr, dialog.FindDialog());
    EXPECT_EQ(1, view.findView->fromEnds);
    EXPECT_EQ("", view.findView->text);
    Search("b", true, 1);
    EXPECT_EQ(1, dialog.LastFound());

    // An empty text posts nothing.
    view.findView->text = "";
    dialog.OnCommand(IDC_FIND_DOWN);
    EXPECT_TRUE(view.findView->posts.empty());

    // Shown again with a current row: the same window forward, its text kept, the option and
    // the last hit reset.
    view.findView->text = "typed";
    dialog.OnListClick(0);
    CFindDialog* first = dialog.FindDialog();
    dialog.OnCommand(IDC_FIND);
    EXPECT_EQ(first, dialog.FindDialog());
    EXPECT_EQ(1, view.findCreated);
    EXPECT_EQ(1, view.findView->fronts);
    EXPECT_EQ("typed", view.findView->text);
    EXPECT_EQ(0, view.findView->fromEnds);
    EXPECT_EQ(-1, dialog.LastFound());

    // 閉じる posts the close message; the main window destroys the dialog.
    dialog.FindDialog()->RequestClose();
    ASSERT_EQ(1u, view.findView->posts.size());
    EXPECT_EQ(std::make_pair(static_cast<unsigned>(WM_FIND_CLOSE), 134L), view.findView->posts[0]);
    Deliver();
    EXPECT_EQ(nullptr, dialog.FindDialog());
    EXPECT_EQ(1, view.findDestroyed);

    // A dialog that cannot be made leaves none.
    view.findCreateFails = true;
    dialog.OnCommand(IDC_FIND);
    EXPECT_EQ(nullptr, dialog.FindDialog());
    dialog.OnCommand(IDC_FIND_DOWN);
}

TEST(ConfirmLineText, ShowsTheMessageUpToItsFirstLineBreak) {
    EXPECT_EQ("［給料日］を削除します。",
              ConfirmLineText("［給料日］を削除します。\nよろしいですか？"));
    EXPECT_EQ("one", ConfirmLineText("one\r\ntwo"));
    EXPECT_EQ("no break", ConfirmLineText("no break"));
    EXPECT_EQ("", ConfirmLineText("\nx"));
}
