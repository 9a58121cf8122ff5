// Copy and paste through the clipboard block, and the block's own packing and unpacking.
#include "EditorTestUtil.h"

#include "editor/ClipboardBlock.h"

namespace {
std::vector<unsigned char> ImageOf(const CKmdDate& e) {
    std::vector<unsigned char> b(134);
    e.Pack(b.data(), b.size());
    return b;
}

std::vector<unsigned char> Block(std::int32_t count, const std::vector<CKmdDate>& entries,
                                 std::size_t extra = 0) {
    const std::uint32_t n = static_cast<std::uint32_t>(count);
    std::vector<unsigned char> b = {
        static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
        static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
    for (const CKmdDate& e : entries) {
        const std::vector<unsigned char> image = ImageOf(e);
        b.insert(b.end(), image.begin(), image.end());
    }
    b.resize(b.size() + extra, 0xEE);
    return b;
}

class ClipboardTest : public EditorTest {
protected:
    void Click(int row, bool ctrl = false) {
        view.UserClick(row, ctrl);
        dialog.OnListClick(row);
    }
};
} // namespace

TEST(ClipboardBlock, UnpacksOnlyTheWholeImagesItHolds) {
    const std::vector<CKmdDate> three = {RawEntry(0x12, 3, 4, 5, 0x0102, "給料日"), Named("b"),
                                         Named("c")};
    struct Case {
        const char* what;
        std::vector<unsigned char> block;
        std::size_t expected; // the first entries of `three`
    } cases[] = {
        {"as packed", PackClipboardBlock(three), 3},
        {"count beyond the images", Block(5, three, 133), 3},
        {"count below the images", Block(2, three, 300), 2},
        {"count 0", Block(0, three), 0},
        {"negative count", Block(-1, three), 0},
        {"most negative count", Block(INT32_MIN, three), 0},
        {"largest count", Block(INT32_MAX, three), 3},
        {"no images", Block(7, {}), 0},
        {"short of a count", {1, 0, 0}, 0},
        {"empty", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<CKmdDate> got = UnpackClipboardBlock(c.block.data(), c.block.size());
        ASSERT_EQ(c.expected, got.size());
        for (std::size_t k = 0; k < got.size(); ++k)
            EXPECT_EQ(ImageOf(three[k]), ImageOf(got[k]));
    }
    EXPECT_EQ(4u + 3 * 134, PackClipboardBlock(three).size());
    EXPECT_EQ(Block(3, three), PackClipboardBlock(three));

    // A foreign name that fills its field ends within it.
    std::vector<unsigned char> foreign = Block(1, {Named("x")});
    std::fill(foreign.begin() + 10, foreign.end(), 'N');
    const std::vector<CKmdDate> got = UnpackClipboardBlock(foreign.data(), foreign.size());
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(std::string(127, 'N'), got[0].NameField());
}

TEST_F(ClipboardTest, CopyPacksTheSelectedRowsInRowOrder) {
    const std::vector<CKmdDate> entries = {Named("a"), RawEntry(0x34, 7, 9, 2, 0x0203, "b"),
                                           Named("c"), Named("d"), RawEntry(0, 1, 0, 0, 8, "e")};
    OpenEntries(entries);
    Click(4);
    Click(1, true);
    Click(3, true);
    dialog.OnCommand(IDC_COPY);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(406u, view.clipboard.size());
    EXPECT_EQ(Block(3, {entries[1], entries[3], entries[4]}), view.clipboard);
    EXPECT_EQ((std::vector<int>{1, 3, 4}), view.Selected());
    EXPECT_FALSE(dialog.IsModified());
}

TEST_F(ClipboardTest, EachClipboardFailureHasItsMessage) {
    const std::pair<ClipResult, const char*> cases[] = {
        {CLIP_ALLOC_FAILED, "データを保持するメモリの取得に失敗しました。"},
        {CLIP_LOCK_FAILED, "データを保持するメモリのロックに失敗しました。"},
        {CLIP_OPEN_FAILED, "クリップボードのオープンに失敗しました。"},
        {CLIP_EMPTY_FAILED, "クリップボードを空に出来ませんでした。"},
        {CLIP_SET_FAILED, "クリップボードへの貼付けに失敗しました。"},
    };
    OpenNames({"a", "b"});
    Click(0);
    for (const auto& c : cases) {
        view.putFailure = c.first;
        dialog.OnCommand(IDC_COPY);
        ASSERT_EQ(1u, view.messages.size());
        EXPECT_EQ(c.second, view.messages[0].text);
        EXPECT_EQ(MK_STOP, view.messages[0].kind);
        view.messages.clear();
    }
    // Paste can only fail to open the clipboard; nothing of the format is no failure.
    view.getFailure = CLIP_OPEN_FAILED;
    dialog.OnCommand(IDC_PASTE);
    EXPECT_EQ(std::vector<std::string>{"クリップボードのオープンに失敗しました。"},
              view.TakeMessages());
    view.getFailure = CLIP_OK;
    dialog.OnCommand(IDC_PASTE);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(std::vector<int>{0}, view.Selected());
    EXPECT_EQ(2, dialog.DataFile().GetCount());
    EXPECT_FALSE(dialog.IsModified());
}

TEST_F(ClipboardTest, PasteInsertsInFrontOfTheCurrentRowAllSelected) {
    struct Case {
        const char* what;
        std::vector<unsigned char> block;
        std::vector<std::string> after;
        std::vector<int> selected;
    } cases[] = {
        {"two entries", Block(2, {Named("x"), Named("y")}), {"r0", "x", "y", "r1", "r2"}, {1, 2}},
        {"count beyond the block", Block(9, {Named("x")}, 100), {"r0", "x", "r1", "r2"}, {1}},
        {"count 0 clears the current row", Block(0, {Named("x")}), {"r0", "r1", "r2"}, {}},
        {"negative count likewise", Block(-5, {Named("x")}), {"r0", "r1", "r2"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        OpenNames({"r0", "r1", "r2"});
        Click(1);
        view.clipboardHolds = true;
        view.clipboard = c.block;
        dialog.OnCommand(IDC_PASTE);
        EXPECT_TRUE(view.messages.empty());
        EXPECT_EQ(c.after, NamesOf(dialog.DataFile()));
        ExpectRowsMatch();
        EXPECT_EQ(c.selected, view.Selected());
        EXPECT_EQ(1, dialog.CurrentIndex());
        EXPECT_EQ(c.after.size() != 3, dialog.IsModified());
        EXPECT_EQ(0, view.batchDepth);
        ExpectButtons(kRowButtonIds, true);
    }
    // Pasting in front of the last row, then copying what was pasted gives the same block.
    Reset();
    OpenNames({"r0", "r1"});
    Click(1);
    view.clipboardHolds = true;
    view.clipboard = Block(2, {Named("x"), RawEntry(0x56, 1, 2, 3, 0x4004, "y")});
    const std::vector<unsigned char> pasted = view.clipboard;
    dialog.OnCommand(IDC_PASTE);
    EXPECT_EQ((std::vector<std::string>{"r0", "x", "y", "r1"}), NamesOf(dialog.DataFile()));
    dialog.OnCommand(IDC_COPY);
    EXPECT_EQ(pasted, view.clipboard);
}
