// A main window without a window: it keeps the rows, their selection and focus, the buttons
// and texts as the real list view and controls would, records every message box and dialog,
// and answers them from scripts the test fills.
#pragma once

#include "editor/FindDialog.h"
#include "editor/MainView.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The search dialog's controls and the messages it posted.
class CFakeFindView : public IFindView {
public:
    std::string text;
    int fromEnds = 0;
    int fronts = 0;
    std::vector<std::pair<unsigned, long>> posts;

    std::string ReadText() override { return text; }
    int ReadFromEnds() override { return fromEnds; }
    void WriteControls(const std::string& t, int f) override {
        text = t;
        fromEnds = f;
    }
    void BringToFront() override { ++fronts; }
    void PostToMain(unsigned message, long lParam) override { posts.push_back({message, lParam}); }
};

struct FakeRow {
    RowTexts texts;
    bool selected = false;
    bool focused = false;
};

struct ShownMessage {
    std::string text;
    MessageKind kind;
};

struct ShownConfirm {
    std::string text;
    bool allowAll;
};

class CFakeMainView : public IMainView {
public:
    std::vector<FakeRow> rows;
    std::map<int, bool> buttons; // enabled state by id, as last set
    std::map<int, bool> menuItems;
    std::string pathText, modifiedText;
    int batchDepth = 0, batches = 0;

    std::vector<ShownMessage> messages;
    std::deque<int> questionAnswers; // for MK_QUESTION; ANSWER_NO when empty

    // Open and save dialogs: empty scripts mean cancel.
    std::deque<std::pair<std::string, std::string>> openAnswers; // path, file-name part
    std::deque<std::string> saveAnswers;
    std::vector<std::string> proposedNames;
    int aboutShown = 0;

    // Entry edit dialog: each answer is OK with that entry, or Cancel (false).
    std::deque<std::pair<bool, CKmdDate>> editAnswers;
    std::vector<CKmdDate> editShown;
    // Confirmation dialog; ANSWER_CANCEL when empty.
    std::deque<int> confirmAnswers;
    std::vector<ShownConfirm> confirms;

    // Search dialog.
    bool findCreateFails = false;
    int findCreated = 0, findDestroyed = 0;
    std::unique_ptr<CFakeFindView> findView;
    std::unique_ptr<CFindDialog> findObject;

    // Clipboard.
    bool clipboardHolds = false;
    std::vector<unsigned char> clipboard;
    ClipResult putFailure = CLIP_OK, getFailure = CLIP_OK;

    // --- IMainView ---
    int RowCount() override { return static_cast<int>(rows.size()); }
    void InsertRow(int index, RowTexts texts) override {
        FakeRow row;
        row.texts = std::move(texts);
        rows.insert(rows.begin() + Clamp(index, RowCount()), row);
    }
    void SetRow(int index, const RowTexts& texts) override {
        if (Valid(index))
            rows[index].texts = texts;
    }
    void DeleteRow(int index) override {
        if (Valid(index))
            rows.erase(rows.begin() + index);
    }
    void DeleteAllRows() override { rows.clear(); }
    void BeginBatch() override { ++batchDepth; }
    void EndBatch() override {
        --batchDepth;
        ++batches;
    }

    int SelectedCount() override {
        int n = 0;
        for (const FakeRow& r : rows)
            n += r.selected;
        return n;
    }
    int NextSelected(int after) override {
        for (int i = after < 0 ? 0 : after + 1; i < RowCount(); ++i)
            if (rows[i].selected)
                return i;
        return -1;
    }
    // One row has the focus at most, as in the list view.
    void SelectRow(int index) override {
        if (!Valid(index))
            return;
        for (FakeRow& r : rows)
            r.focused = false;
        rows[index].selected = rows[index].focused = true;
    }
    void SetAllRowsSelected(bool selected) override {
        for (FakeRow& r : rows)
            r.selected = selected;
    }
    void ClearRow(int index) override {
        if (Valid(index))
            rows[index].selected = rows[index].focused = false;
    }
    void EnsureVisible(int index) override { visible = index; }

    void EnableButton(int id, bool enabled) override { buttons[id] = enabled; }
    void EnableMenuItem(int id, bool enabled) override { menuItems[id] = enabled; }
    void SetPathText(const std::string& text) override { pathText = text; }
    void SetModifiedText(const std::string& text) override { modifiedText = text; }

    int Message(const std::string& text, MessageKind kind) override {
        messages.push_back({text, kind});
        if (kind != MK_QUESTION)
            return ANSWER_OK;
        return Pop(questionAnswers, static_cast<int>(ANSWER_NO));
    }
    bool AskOpenPath(std::string& path, std::string& fileName) override {
        if (openAnswers.empty())
            return false;
        path = openAnswers.front().first;
        fileName = openAnswers.front().second;
        openAnswers.pop_front();
        return true;
    }
    bool AskSavePath(const std::string& proposed, std::string& path) override {
        proposedNames.push_back(proposed);
        if (saveAnswers.empty())
            return false;
        path = Pop(saveAnswers, std::string());
        return true;
    }
    void ShowAbout() override { ++aboutShown; }
    bool EditEntry(CKmdDate& entry, const std::vector<KmdRule>&) override {
        editShown.push_back(entry);
        const std::pair<bool, CKmdDate> a = Pop(editAnswers, {false, CKmdDate()});
        if (a.first)
            entry = a.second;
        return a.first;
    }
    int ConfirmDelete(const std::string& text, bool allowAll) override {
        confirms.push_back({text, allowAll});
        return Pop(confirmAnswers, static_cast<int>(ANSWER_CANCEL));
    }

    CFindDialog* CreateFindDialog() override {
        if (findCreateFails)
            return nullptr;
        ++findCreated;
        findView.reset(new CFakeFindView);
        findObject.reset(new CFindDialog(*findView));
        findObject->OnInit();
        return findObject.get();
    }
    void DestroyFindDialog(CFindDialog* dialog) override {
        if (dialog == findObject.get()) {
            ++findDestroyed;
            findObject.reset();
            findView.reset();
        }
    }

    ClipResult PutClipboard(const std::vector<unsigned char>& block) override {
        if (putFailure != CLIP_OK)
            return putFailure;
        clipboard = block;
        clipboardHolds = true;
        return CLIP_OK;
    }
    ClipResult GetClipboard(std::vector<unsigned char>& block) override {
        if (getFailure != CLIP_OK)
            return getFailure;
        if (!clipboardHolds)
            return CLIP_NONE;
        block = clipboard;
        return CLIP_OK;
    }

    // --- What the user does in the list view ---
    // A click: without Ctrl only that row ends selected; with Ctrl it toggles. Row -1 is
    // empty space below the rows.
    void UserClick(int row, bool ctrl = false) {
        if (!ctrl)
            for (FakeRow& r : rows)
                r.selected = false;
        if (!Valid(row))
            return;
        for (FakeRow& r : rows)
            r.focused = false;
        rows[row].selected = ctrl ? !rows[row].selected : true;
        rows[row].focused = true;
    }

    // --- Read back ---
    bool Enabled(int id) const {
        auto it = buttons.find(id);
        return it != buttons.end() && it->second;
    }
    std::vector<int> Selected() const {
        std::vector<int> out;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].selected)
                out.push_back(static_cast<int>(i));
        return out;
    }
    int Focused() const {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].focused)
                return static_cast<int>(i);
        return -1;
    }
    // The texts of the messages shown since the last call, and forgets them.
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> out;
        for (const ShownMessage& m : messages)
            out.push_back(m.text);
        messages.clear();
        return out;
    }

    int visible = -1;

private:
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(rows.size()); }
    static int Clamp(int index, int count) { return index < 0 ? 0 : index > count ? count : index; }
    template <class T> static T Pop(std::deque<T>& q, T otherwise) {
        if (q.empty())
            return otherwise;
        T v = q.front();
        q.pop_front();
        return v;
    }
};
