// Seeded random sessions of clicks and commands, undo, redo and saves among them, applied to
// the main window on the fake view and to a plain list kept here with every state it had;
// after every step the entries, the rows and 変更あり must agree with that list.
#include "EditorTestUtil.h"

#include <random>

namespace {
std::vector<unsigned char> ImageOf(const CKmdDate& e) {
    std::vector<unsigned char> b(134);
    e.Pack(b.data(), b.size());
    return b;
}

class ModelSession : public EditorTest {
protected:
    std::mt19937 rng;
    std::vector<CKmdDate> model;
    std::vector<CKmdDate> modelClipboard;
    int made = 0;
    // The states of the model since the last open, each with its number; states[pos] is now.
    std::vector<std::vector<CKmdDate>> states;
    std::vector<int> ids;
    std::size_t pos = 0;
    int savedId = 0, lastId = 0;

    void NewHistory() {
        states = {model};
        ids = {++lastId};
        pos = 0;
        savedId = ids[0];
    }
    // The model changed by one step.
    void Changed() {
        states.resize(pos + 1);
        ids.resize(pos + 1);
        states.push_back(model);
        ids.push_back(++lastId);
        ++pos;
    }
    // Undo or redo to state `to`: the current row is selected and in view, and the row
    // buttons follow.
    void StepTo(std::size_t to) {
        pos = to;
        model = states[pos];
        const int cur = dialog.CurrentIndex();
        EXPECT_EQ(model.empty(), cur == -1);
        if (cur != -1) {
            EXPECT_TRUE(view.rows[cur].selected && view.rows[cur].focused);
            EXPECT_EQ(cur, view.visible);
        }
        ExpectButtons(kRowButtonIds, cur != -1);
    }

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    CKmdDate Fresh() {
        return RawEntry(Pick(256), Pick(32), Pick(32), Pick(8), rng() & 0xFFFF,
                        "n" + std::to_string(made++));
    }
    void Click(int row, bool ctrl) {
        view.UserClick(row, ctrl);
        dialog.OnListClick(row);
    }

    // One random step; `what` names it for the failure report.
    void Step(std::string& what) {
        const std::vector<int> sel = view.Selected();
        const int cur = dialog.CurrentIndex(), count = static_cast<int>(model.size());
        const bool position = sel.size() < 2 && cur != -1;
        const bool ok = Pick(4) != 0;
        const CKmdDate entry = Fresh();
        int command = Pick(17);
        if (command == 15 && Pick(8) != 0)
            command = 12; // each save flushes to disk: fewer of them
        switch (command) {
        case 0:
        case 1:
        case 2: {
            const int row = Pick(count + 1) - 1;
            const bool ctrl = Pick(2) == 0;
            what = "click " + std::to_string(row) + (ctrl ? " with Ctrl" : "");
            Click(row, ctrl);
            break;
        }
        case 3:
            what = "add";
            view.editAnswers.push_back({ok, entry});
            dialog.OnCommand(IDC_ADD);
            if (ok) {
                model.push_back(entry);
                Changed();
            }
            break;
        case 4:
            what = "insert";
            view.editAnswers.push_back({ok, entry});
            dialog.OnCommand(IDC_INSERT);
            if (position && ok) {
                model.insert(model.begin() + cur, entry);
                Changed();
            }
            break;
        case 5:
            what = "edit";
            view.editAnswers.push_back({ok, entry});
            dialog.OnCommand(IDC_EDIT);
            if (position && ok) {
                model[cur] = entry;
                Changed();
            }
            break;
        case 6: {
            what = "delete";
            std::vector<int> answers;
            for (std::size_t i = 0; i < sel.size(); ++i) {
                const int a[] = {ANSWER_YES, ANSWER_NO, ANSWER_CANCEL, ANSWER_ALL_YES};
                answers.push_back(a[Pick(sel.size() > 1 ? 4 : 3)]);
                what += " " + std::to_string(answers.back());
            }
            view.confirmAnswers.assign(answers.begin(), answers.end());
            dialog.OnCommand(IDC_DELETE);
            // The walk over the rows selected at the start, in order.
            std::vector<bool> gone(model.size(), false);
            bool allYes = false;
            std::size_t asked = 0;
            for (int row : sel) {
                int a = ANSWER_YES;
                if (!allYes) {
                    a = answers[asked++];
                    allYes = a == ANSWER_ALL_YES;
                }
                if (a == ANSWER_CANCEL)
                    break;
                if (a != ANSWER_NO)
                    gone[row] = true;
            }
            EXPECT_EQ(asked, view.confirms.size());
            view.confirms.clear();
            std::vector<CKmdDate> kept;
            for (std::size_t i = 0; i < model.size(); ++i)
                if (!gone[i])
                    kept.push_back(model[i]);
            if (kept.size() != model.size()) {
                model = kept;
                Changed();
            }
            break;
        }
        case 7:
            what = ok ? "delete all" : "delete all, answered no";
            view.questionAnswers = {ok ? ANSWER_YES : ANSWER_NO};
            dialog.OnCommand(IDC_CLEAR_ALL);
            if (ok) {
                model.clear();
                Changed();
            }
            break;
        case 8: {
            const int ids[] = {IDC_MOVE_TOP, IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_MOVE_BOTTOM};
            const int id = ids[Pick(4)];
            what = "move " + std::to_string(id);
            dialog.OnCommand(id);
            if (!position)
                break;
            const int to = id == IDC_MOVE_TOP    ? 0
                           : id == IDC_MOVE_UP   ? cur - 1
                           : id == IDC_MOVE_DOWN ? cur + 1
                                                 : count - 1;
            if (to < 0 || to >= count || to == cur)
                break;
            const CKmdDate moved = model[cur];
            model.erase(model.begin() + cur);
            model.insert(model.begin() + to, moved);
            Changed();
            break;
        }
        case 9:
            what = "copy";
            dialog.OnCommand(IDC_COPY);
            if (!sel.empty()) {
                modelClipboard.clear();
                for (int row : sel)
                    modelClipboard.push_back(model[row]);
            }
            break;
        case 10:
            what = "paste";
            dialog.OnCommand(IDC_PASTE);
            if (position && view.clipboardHolds && !modelClipboard.empty()) {
                model.insert(model.begin() + cur, modelClipboard.begin(), modelClipboard.end());
                Changed();
            }
            break;
        case 11:
            // A search hit selects a row without making it current.
            what = "search";
            if (count == 0)
                break;
            dialog.OnCommand(IDC_FIND);
            view.findView->text = model[Pick(count)].NameField();
            view.findView->fromEnds = 1;
            dialog.OnCommand(IDC_FIND_DOWN);
            while (!view.findView->posts.empty()) {
                const auto post = view.findView->posts.back();
                view.findView->posts.pop_back();
                dialog.OnFindMessage(post.first, post.second);
            }
            break;
        case 12:
        case 13:
            what = "undo";
            dialog.OnCommand(IDM_UNDO);
            if (pos > 0)
                StepTo(pos - 1);
            break;
        case 14:
            what = "redo";
            dialog.OnCommand(IDM_REDO);
            if (pos + 1 < states.size())
                StepTo(pos + 1);
            break;
        case 15:
            // A save keeps the history; the state saved is the one without 変更あり.
            what = "save";
            view.saveAnswers.push_back(dir + "/saved.kmb");
            dialog.OnCommand(IDC_SAVE);
            savedId = ids[pos];
            break;
        default: {
            what = "open";
            model.clear();
            for (int i = Pick(8); i > 0; --i)
                model.push_back(Fresh());
            view.questionAnswers = {ANSWER_YES};
            view.openAnswers.push_back({WriteKmb("model.kmb", model), "model.kmb"});
            dialog.OnCommand(IDC_OPEN);
            NewHistory();
            break;
        }
        }
        view.editAnswers.clear();
        view.confirmAnswers.clear();
        view.questionAnswers.clear();
        view.messages.clear();
    }

    void ExpectSameAsModel() {
        const CKmdEntryFile& file = dialog.DataFile();
        ASSERT_EQ(static_cast<int>(model.size()), file.GetCount());
        for (int i = 0; i < file.GetCount(); ++i) {
            CKmdDate e;
            file.GetAt(static_cast<unsigned>(i), e);
            ASSERT_EQ(ImageOf(model[i]), ImageOf(e)) << "entry " << i;
        }
        ExpectRowsMatch();
        EXPECT_EQ(ids[pos] != savedId, dialog.IsModified());
        EXPECT_EQ(pos > 0, view.menuItems[IDM_UNDO]);
        EXPECT_EQ(pos + 1 < states.size(), view.menuItems[IDM_REDO]);
        EXPECT_GE(dialog.CurrentIndex(), -1);
        EXPECT_LT(dialog.CurrentIndex(), file.GetCount());
        EXPECT_EQ(0, view.batchDepth);
    }
};
} // namespace

TEST_F(ModelSession, RandomCommandsKeepEntriesAndRowsInStep) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Reset();
        rng.seed(seed);
        model.clear();
        modelClipboard.clear();
        NewHistory();
        for (int step = 0; step < 250; ++step) {
            std::string what;
            Step(what);
            ExpectSameAsModel();
            if (HasFailure()) {
                ADD_FAILURE() << "seed " << seed << " step " << step << ": " << what;
                return;
            }
        }
    }
}
