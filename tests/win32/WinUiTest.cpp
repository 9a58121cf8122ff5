// The shared Windows UI layer: the file dialogs' filter and record, the clipboard wrapper.
#include "DialogDriver.h"
#include "Win32TestUtil.h"
#include "winui/Clipboard.h"
#include "winui/FileDialog.h"

#include <commdlg.h>
#include <gtest/gtest.h>

TEST(FileDialog, FilterSeparatorsBecomeNulsOutsideDoubleByteCharacters) {
    const struct {
        const char* filter;
        std::string expected;
    } cases[] = {
        {"A (*.kmb)|*.kmb|All|*.*||", std::string("A (*.kmb)\0*.kmb\0All\0*.*\0\0\0\0", 27)},
        {"KYOMIファイル(*.kmb)|*.kmb|",
         std::string("KYOMIファイル(*.kmb)\0*.kmb\0\0\0", sizeof "KYOMIファイル(*.kmb)*.kmb" + 3)},
        // ポ is 83 7C: its trail byte is no separator.
        {"ポ|*.p", std::string("ポ\0*.p\0\0", 8)},
        {"", std::string("\0\0", 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterWithNuls(c.filter), c.expected) << c.filter;
    EXPECT_EQ(FilterWithNuls(nullptr), std::string("\0\0", 2));
}

TEST(FileDialog, SaveProposesTheNameAndReturnsPathAndNamePart) {
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    FileDialogRequest request;
    request.filter = "Koyomiru Data Files (*.kmb)|*.kmb|All Files (*.*)|*.*||";
    request.defaultExtension = "kmb";
    request.proposedName = "予定.kmb";
    request.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    const std::string target = WorkDir() + "表示.kmb";
    std::string proposed;
    FileDialogResult result;
    {
        CDialogDriver driver;
        driver.Add([&](HWND d) {
            proposed = ItemText(d, 0x47C);
            SetDlgItemTextA(d, 0x47C, target.c_str());
            Press(d, IDOK);
            return true;
        });
        ASSERT_TRUE(AskSaveFileName(request, result));
        EXPECT_TRUE(driver.AllDone());
    }
    EXPECT_EQ(proposed, "予定.kmb");
    EXPECT_EQ(result.path, target);
    EXPECT_EQ(result.fileName, "表示.kmb");
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);

    // Cancelled: false, and a name too long for the record is not proposed.
    request.proposedName = std::string(300, 'x');
    CDialogDriver driver;
    driver.Add([&](HWND d) {
        proposed = ItemText(d, 0x47C);
        Press(d, IDCANCEL);
        return true;
    });
    EXPECT_FALSE(AskSaveFileName(request, result));
    EXPECT_EQ(proposed, "");
}

TEST(Clipboard, BlocksGoInAndOutWhole) {
    HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const std::string bytes("\x02\0\0\0\x5C\xFF\0tail", 11);
    ASSERT_EQ(PutClipboardBlock(owner, "KMB_TEST", bytes.data(), bytes.size()), CLIPBOARD_OK);
    std::vector<unsigned char> out;
    ASSERT_EQ(GetClipboardBlock(owner, "KMB_TEST", out), CLIPBOARD_OK);
    // The system may round the block up; what was put comes first, zero-filled after it.
    ASSERT_GE(out.size(), bytes.size());
    EXPECT_EQ(std::string(out.begin(), out.begin() + bytes.size()), bytes);
    for (std::size_t i = bytes.size(); i < out.size(); ++i)
        EXPECT_EQ(out[i], 0);

    // Another format finds nothing; the put emptied what was there before.
    EXPECT_EQ(GetClipboardBlock(owner, "KMB_OTHER", out), CLIPBOARD_NONE);
    EXPECT_TRUE(out.empty());

    // While another window holds the clipboard open, both sides report the open step.
    HWND other = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_EQ(PutClipboardBlock(owner, "KMB_TEST", "x", 1), CLIPBOARD_OPEN_FAILED);
    EXPECT_EQ(GetClipboardBlock(owner, "KMB_TEST", out), CLIPBOARD_OPEN_FAILED);
    CloseClipboard();
    // The failed put left the earlier block in place.
    ASSERT_EQ(GetClipboardBlock(owner, "KMB_TEST", out), CLIPBOARD_OK);
    EXPECT_EQ(std::string(out.begin(), out.begin() + bytes.size()), bytes);
    DestroyWindow(other);
    DestroyWindow(owner);
}
