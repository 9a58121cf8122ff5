// The main window's logic on a fake view, with files on disk to open and save.
#pragma once

#include "EntryUtil.h"
#include "FakeMainView.h"
#include "TestUtil.h"
#include "calendar/KmdDataFile.h"
#include "calendar/RowText.h"
#include "editor/MainDialog.h"
#include "editor/Resource.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

inline CKmdDate Named(const std::string& name, unsigned day = 1) {
    return RawEntry(0, day, 0, 0, 0, name);
}

inline RowTexts TextsOf(const CKmdDate& e) {
    RowTexts t;
    for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
        t.push_back(RowColumnText(e, c));
    return t;
}

inline std::vector<std::string> NamesOf(const CKmdEntryFile& file) {
    std::vector<std::string> out;
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        out.push_back(e.NameField());
    }
    return out;
}

// The row buttons and the file buttons of the main window.
const std::vector<int> kRowButtonIds = {IDC_INSERT,      IDC_EDIT,    IDC_DELETE,
                                        IDC_MOVE_TOP,    IDC_MOVE_UP, IDC_MOVE_DOWN,
                                        IDC_MOVE_BOTTOM, IDC_COPY,    IDC_PASTE};
const std::vector<int> kFileButtonIds = {IDC_SAVE, IDC_CLEAR_ALL, IDC_COPY, IDC_PASTE, IDC_FIND};

class EditorTest : public testing::Test {
protected:
    void SetUp() override {
        dir = FreshDir(std::string("editor_") +
                       testing::UnitTest::GetInstance()->current_test_info()->name());
        dialog.OnInit();
    }

    // A fresh window for the next case of a table.
    void Reset() {
        dialog.~CMainDialog();
        view = CFakeMainView();
        new (&dialog) CMainDialog(view);
        dialog.OnInit();
    }

    std::string WriteKmb(const std::string& name, const std::vector<CKmdDate>& entries) {
        CKmdDataFile file;
        for (const CKmdDate& e : entries)
            file.Add(e);
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(file.Write(path.c_str()));
        return path;
    }

    // Opens a file of these entries through the open dialog; no messages expected.
    void OpenEntries(const std::vector<CKmdDate>& entries) {
        view.openAnswers.push_back({WriteKmb("open.kmb", entries), "open.kmb"});
        dialog.OnCommand(IDC_OPEN);
        ASSERT_EQ(std::vector<std::string>(), view.TakeMessages());
    }
    void OpenNames(const std::vector<std::string>& names) {
        std::vector<CKmdDate> entries;
        for (const std::string& n : names)
            entries.push_back(Named(n));
        OpenEntries(entries);
    }

    // The rows show the entries, one to one and in order.
    void ExpectRowsMatch() {
        const CKmdEntryFile& file = dialog.DataFile();
        ASSERT_EQ(file.GetCount(), view.RowCount());
        for (int i = 0; i < file.GetCount(); ++i) {
            CKmdDate e;
            file.GetAt(static_cast<unsigned>(i), e);
            EXPECT_EQ(TextsOf(e), view.rows[i].texts) << "row " << i;
        }
    }

    void ExpectButtons(const std::vector<int>& ids, bool enabled) {
        for (int id : ids)
            EXPECT_EQ(enabled, view.Enabled(id)) << "button " << id;
    }

    std::string dir;
    CFakeMainView view;
    CMainDialog dialog{view};
};
