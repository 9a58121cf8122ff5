// The list commands: their checks, and each one's effect on entries, rows, selection, focus,
// the current row, the modified state and the buttons.
#include "EditorTestUtil.h"

#include <functional>

namespace {
class CommandTest : public EditorTest {
protected:
    // Opens rows "r0" ... and clicks `current` (-1: none), as a user would.
    void OpenRows(int count, int current) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i)
            names.push_back("r" + std::to_string(i));
        OpenNames(names);
        Click(current);
    }
    void Click(int row, bool ctrl = false) {
        view.UserClick(row, ctrl);
        dialog.OnListClick(row);
    }
    std::vector<std::string> Names() { return NamesOf(dialog.DataFile()); }
};

const char kNotFound[] = "指定されたデータが見つかりません。\n";
} // namespace

TEST_F(CommandTest, SinglePositionChecksComeFirstAndChangeNothing) {
    struct Case {
        int id;
        const char* several;
        const char* none;
    } cases[] = {
        {IDC_INSERT, "複数の挿入位置を指定する事は出来ません。\n",
         "挿入位置が指定されていません。\n"},
        {IDC_EDIT, "複数の編集対象を指定する事は出来ません。\n",
         "編集対象が指定されていません。\n"},
        {IDC_MOVE_TOP, "複数の移動対象を指定する事は出来ません。\n",
         "移動対象が指定されていません。\n"},
        {IDC_MOVE_UP, "複数の移動対象を指定する事は出来ません。\n",
         "移動対象が指定されていません。\n"},
        {IDC_MOVE_DOWN, "複数の移動対象を指定する事は出来ません。\n",
         "移動対象が指定されていません。\n"},
        {IDC_MOVE_BOTTOM, "複数の移動対象を指定する事は出来ません。\n",
         "移動対象が指定されていません。\n"},
        {IDC_PASTE, "複数の貼付先を指定する事は出来ません。\n", "貼付先が指定されていません。\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        // Before any file is open (Ctrl+V reaches the command whatever the buttons say).
        Reset();
        view.clipboardHolds = true;
        view.clipboard = {1, 0, 0, 0};
        view.clipboard.resize(4 + 134);
        dialog.OnCommand(c.id);
        EXPECT_EQ(std::vector<std::string>{c.none}, view.TakeMessages());

        // Two rows selected, one of them current.
        OpenRows(3, 1);
        Click(2, true);
        dialog.OnCommand(c.id);
        EXPECT_EQ(std::vector<std::string>{c.several}, view.TakeMessages());

        // No row clicked, one selected by a search: there is still no position.
        Click(-1);
        view.SelectRow(0);
        dialog.OnCommand(c.id);
        EXPECT_EQ(std::vector<std::string>{c.none}, view.TakeMessages());

        EXPECT_EQ((std::vector<std::string>{"r0", "r1", "r2"}), Names());
        ExpectRowsMatch();
        EXPECT_FALSE(dialog.IsModified());
        EXPECT_TRUE(view.editShown.empty());
    }
    // The commands that act on the selection say when there is none.
    Reset();
    OpenRows(2, 0);
    Click(0, true); // the current row deselected
    dialog.OnCommand(IDC_DELETE);
    dialog.OnCommand(IDC_COPY);
    EXPECT_EQ((std::vector<std::string>{"削除対象が指定されていません。\n",
                                        "コピー対象が指定されていません。\n"}),
              view.TakeMessages());
    EXPECT_TRUE(view.confirms.empty());
    EXPECT_FALSE(view.clipboardHolds);
}

TEST_F(CommandTest, AddAppendsAndMakesTheFileButtonsAvailable) {
    view.editAnswers.push_back({false, Named("cancelled")});
    dialog.OnCommand(IDC_ADD);
    EXPECT_EQ(0, view.RowCount());
    EXPECT_FALSE(dialog.IsModified());
    ExpectButtons(kFileButtonIds, false);

    view.editAnswers.push_back({true, Named("new")});
    dialog.OnCommand(IDC_ADD);
    ASSERT_EQ(2u, view.editShown.size());
    EXPECT_EQ(std::string(), view.editShown[1].NameField()); // a cleared entry to start from
    EXPECT_EQ(std::vector<std::string>{"new"}, Names());
    ExpectRowsMatch();
    EXPECT_TRUE(dialog.IsModified());
    ExpectButtons(kFileButtonIds, true);
    ExpectButtons({IDC_INSERT, IDC_EDIT, IDC_DELETE, IDC_MOVE_TOP}, false);
    EXPECT_EQ(-1, dialog.CurrentIndex());
    EXPECT_TRUE(view.Selected().empty());
}

TEST_F(CommandTest, InsertGoesInFrontOfTheCurrentRowAndSelectsIt) {
    OpenRows(3, 0);
    view.editAnswers.push_back({false, Named("x")});
    dialog.OnCommand(IDC_INSERT);
    EXPECT_FALSE(dialog.IsModified());

    view.editAnswers.push_back({true, Named("new")});
    dialog.OnCommand(IDC_INSERT);
    EXPECT_EQ((std::vector<std::string>{"new", "r0", "r1", "r2"}), Names());
    ExpectRowsMatch();
    EXPECT_EQ(std::vector<int>{0}, view.Selected()); // the pushed-down row cleared
    EXPECT_EQ(0, view.Focused());
    EXPECT_EQ(0, dialog.CurrentIndex());
    EXPECT_TRUE(dialog.IsModified());
}

TEST_F(CommandTest, EditReplacesTheCurrentEntryInPlace) {
    OpenRows(3, 1);
    Click(1, true); // deselected, still current: the command acts on it
    view.editAnswers.push_back({true, RawEntry(0x10, 5, 0, 3, 3, "edited")});
    dialog.OnListDoubleClick();
    ASSERT_EQ(1u, view.editShown.size());
    EXPECT_EQ(std::string("r1"), view.editShown[0].NameField());
    EXPECT_EQ((std::vector<std::string>{"r0", "edited", "r2"}), Names());
    ExpectRowsMatch();
    EXPECT_TRUE(view.Selected().empty());
    EXPECT_TRUE(dialog.IsModified());

    // A double click on empty space makes no row current: edit says so.
    Click(-1);
    dialog.OnListDoubleClick();
    EXPECT_EQ(std::vector<std::string>{"編集対象が指定されていません。\n"}, view.TakeMessages());
}

TEST_F(CommandTest, MovesPutTheCurrentEntryWhereTheyShould) {
    struct Case {
        int id;
        int current;
        std::vector<std::string> after; // empty: nothing happens
        int currentAfter;
    } cases[] = {
        {IDC_MOVE_TOP, 2, {"r2", "r0", "r1", "r3"}, 0},
        {IDC_MOVE_TOP, 0, {}, 0},
        {IDC_MOVE_UP, 2, {"r0", "r2", "r1", "r3"}, 1},
        {IDC_MOVE_UP, 0, {}, 0},
        {IDC_MOVE_DOWN, 1, {"r0", "r2", "r1", "r3"}, 2},
        {IDC_MOVE_DOWN, 2, {"r0", "r1", "r3", "r2"}, 3}, // next-to-last becomes last
        {IDC_MOVE_DOWN, 3, {}, 3},
        {IDC_MOVE_BOTTOM, 0, {"r1", "r2", "r3", "r0"}, 3},
        {IDC_MOVE_BOTTOM, 3, {}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " from " + std::to_string(c.current));
        Reset();
        OpenRows(4, c.current);
        dialog.OnCommand(c.id);
        EXPECT_TRUE(view.messages.empty());
        ExpectRowsMatch();
        EXPECT_EQ(c.currentAfter, dialog.CurrentIndex());
        if (c.after.empty()) {
            EXPECT_EQ((std::vector<std::string>{"r0", "r1", "r2", "r3"}), Names());
            EXPECT_FALSE(dialog.IsModified());
            continue;
        }
        EXPECT_EQ(c.after, Names());
        EXPECT_EQ(std::vector<int>{c.currentAfter}, view.Selected());
        EXPECT_EQ(c.currentAfter, view.Focused());
        EXPECT_TRUE(dialog.IsModified());
        // The saved file has the new order.
        view.saveAnswers = {dir + "/moved.kmb"};
        dialog.OnCommand(IDC_SAVE);
        CKmdDataFile saved;
        ASSERT_TRUE(saved.Read((dir + "/moved.kmb").c_str()));
        EXPECT_EQ(c.after, NamesOf(saved));
    }
}

TEST_F(CommandTest, DeleteWalksTheSelectedRowsAsAnswered) {
    const std::vector<int> allButtons = {IDC_CLEAR_ALL, IDC_FIND, IDC_INSERT, IDC_EDIT,
                                         IDC_DELETE,    IDC_COPY, IDC_PASTE,  IDC_MOVE_BOTTOM};
    struct Case {
        const char* what;
        int rows;
        int current;
        std::vector<int> alsoSelected; // Ctrl+clicked after the current row
        std::vector<int> answers;
        std::vector<std::string> after;
        std::vector<std::string> asked; // names in the questions
        int currentAfter;               // -2: the buttons go off
    } cases[] = {
        {"the only entry", 1, 0, {}, {ANSWER_YES}, {}, {"r0"}, -2},
        {"the current last row", 3, 2, {}, {ANSWER_YES}, {"r0", "r1"}, {"r2"}, 1},
        {"no, then all yes",
         6,
         1,
         {2, 4},
         {ANSWER_NO, ANSWER_ALL_YES},
         {"r0", "r1", "r3", "r5"},
         {"r1", "r2"},
         3},
        {"adjacent rows: the row that moved up is examined",
         4,
         1,
         {2},
         {ANSWER_YES, ANSWER_YES},
         {"r0", "r3"},
         {"r1", "r2"},
         1},
        {"cancel keeps what was deleted",
         4,
         0,
         {1, 2},
         {ANSWER_YES, ANSWER_CANCEL},
         {"r1", "r2", "r3"},
         {"r0", "r1"},
         0},
        {"all no changes nothing",
         3,
         0,
         {2},
         {ANSWER_NO, ANSWER_NO},
         {"r0", "r1", "r2"},
         {"r0", "r2"},
         2},
        {"all selected, all yes", 3, 0, {1, 2}, {ANSWER_ALL_YES}, {}, {"r0"}, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        OpenRows(c.rows, c.current);
        for (int r : c.alsoSelected)
            Click(r, true);
        view.confirmAnswers.assign(c.answers.begin(), c.answers.end());
        dialog.OnCommand(IDC_DELETE);

        EXPECT_EQ(c.after, Names());
        ExpectRowsMatch();
        ASSERT_EQ(c.asked.size(), view.confirms.size());
        for (std::size_t i = 0; i < c.asked.size(); ++i) {
            EXPECT_EQ("［" + c.asked[i] + "］を削除します。\nよろしいですか？",
                      view.confirms[i].text);
            EXPECT_EQ(c.alsoSelected.size() > 0, view.confirms[i].allowAll);
        }
        const bool changed = c.after.size() != static_cast<std::size_t>(c.rows);
        EXPECT_EQ(changed, dialog.IsModified());
        EXPECT_EQ(0, view.batchDepth);
        if (c.currentAfter == -2) {
            EXPECT_EQ(-1, dialog.CurrentIndex());
            ExpectButtons(allButtons, false);
            ExpectButtons({IDC_SAVE, IDC_ADD}, true);
        } else if (changed) {
            EXPECT_EQ(c.currentAfter, dialog.CurrentIndex());
            EXPECT_TRUE(view.rows[c.currentAfter].selected);
            EXPECT_EQ(c.currentAfter, view.Focused());
            ExpectButtons(allButtons, true);
        } else {
            EXPECT_EQ(c.currentAfter, dialog.CurrentIndex()); // the walk still moved it
        }
    }
}

TEST_F(CommandTest, DeleteWithNoCurrentRowTurnsTheRowButtonsOff) {
    // A row selected by a search, none clicked: the buttons go off until the next click.
    OpenRows(3, 1);
    Click(-1);
    view.SelectRow(0);
    view.confirmAnswers = {ANSWER_YES};
    dialog.OnCommand(IDC_DELETE);
    EXPECT_EQ((std::vector<std::string>{"r1", "r2"}), Names());
    EXPECT_EQ(-1, dialog.CurrentIndex());
    ExpectButtons(kRowButtonIds, false);
    EXPECT_FALSE(view.Enabled(IDC_CLEAR_ALL));
    EXPECT_TRUE(view.Selected().empty());
    EXPECT_TRUE(dialog.IsModified());
}

TEST_F(CommandTest, DeleteOfARowWithoutEntryStopsAndKeepsWhatWasDeleted) {
    OpenRows(2, 0);
    view.InsertRow(2, TextsOf(Named("stray"))); // a row the entries do not have
    Click(1, true);
    Click(2, true);
    view.confirmAnswers = {ANSWER_YES, ANSWER_NO};
    dialog.OnCommand(IDC_DELETE);
    EXPECT_EQ(std::vector<std::string>{kNotFound}, view.TakeMessages());
    EXPECT_EQ(std::vector<std::string>{"r1"}, Names());
    EXPECT_TRUE(dialog.IsModified()); // the deletion is not lost on close
}

TEST_F(CommandTest, ClearAllAsksThenEmptiesEverything) {
    OpenRows(3, 1);
    view.questionAnswers = {ANSWER_NO};
    dialog.OnCommand(IDC_CLEAR_ALL);
    EXPECT_EQ(3, dialog.DataFile().GetCount());
    EXPECT_FALSE(dialog.IsModified());

    view.questionAnswers = {ANSWER_YES};
    dialog.OnCommand(IDC_CLEAR_ALL);
    EXPECT_EQ((std::vector<std::string>{"全てのデータを削除します。\nよろしいですか？",
                                        "全てのデータを削除します。\nよろしいですか？"}),
              view.TakeMessages());
    EXPECT_EQ(0, dialog.DataFile().GetCount());
    ExpectRowsMatch();
    EXPECT_EQ(-1, dialog.CurrentIndex());
    EXPECT_TRUE(dialog.IsModified());
    ExpectButtons(kRowButtonIds, false);
    ExpectButtons({IDC_CLEAR_ALL, IDC_FIND}, false);
    ExpectButtons({IDC_SAVE, IDC_ADD, IDC_OPEN}, true);
}
