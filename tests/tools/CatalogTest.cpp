// The catalog holds every message in both languages, with the same placeholders and, in the
// help, the same options; the language follows the environment as the C library's messages do.
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "tools/catalog/Messages.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace {
// The placeholders (%1 ... %9) and the options ("--days", "-o") a text names.
std::set<std::string> Marks(const std::string& text) {
    std::set<std::string> marks;
    static const std::regex mark("%[1-9]|(^|[^A-Za-z0-9-])--?[a-z][a-z0-9-]*");
    for (std::sregex_iterator i(text.begin(), text.end(), mark), end; i != end; ++i) {
        std::string m = i->str();
        m.erase(0, m.find_first_of("%-"));
        marks.insert(m);
    }
    return marks;
}

bool HasNonAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return true;
    return false;
}
} // namespace

TEST(Catalog, EveryMessageIsThereInBothLanguages) {
    for (unsigned id = 0; id < MSG_COUNT; ++id) {
        SCOPED_TRACE("message " + std::to_string(id));
        const std::string english = MessageText(MessageId(id), Language::English);
        const std::string japanese = MessageText(MessageId(id), Language::Japanese);
        ASSERT_FALSE(english.empty());
        ASSERT_FALSE(japanese.empty());
        // Translated, but for the editor's own fixed text that both print.
        if (id != MSG_LOAD_FAILED) {
            EXPECT_NE(english, japanese);
        }
        EXPECT_TRUE(HasNonAscii(japanese)) << japanese;
        EXPECT_TRUE(Marks(english) == Marks(japanese)) << english << "\n" << japanese;
    }
}

TEST(Catalog, LanguageFollowsTheFirstVariableSetThenWindows) {
    const struct {
        const char *lcAll, *lcMessages, *lang;
        bool japaneseWindows;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, "ja_JP.UTF-8", false, Language::Japanese},
        {nullptr, "ja_JP.eucJP", "C", false, Language::Japanese},
        {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", true, Language::English},
        {"", "", "ja", false, Language::Japanese}, // an empty variable counts as not set
        {nullptr, nullptr, "en_US.UTF-8", true, Language::English},
        {nullptr, nullptr, nullptr, true, Language::Japanese},
        {nullptr, nullptr, nullptr, false, Language::English},
        {nullptr, nullptr, "C", true, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, LanguageOf(c.lcAll, c.lcMessages, c.lang, c.japaneseWindows))
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
            << (c.lang ? c.lang : "-");
}

// The real program in each language: its texts change, its exit codes and its output for
// programs do not. With no variable set, natively English, on Windows its display language
// (Japanese here).
TEST(Catalog, ProgramSpeaksTheUsersLanguageAndNothingElseChanges) {
    const std::string dir = FreshDir("catalog");
    const char* const runs[] = {"--raw --date 2027-01-13 none.kmb",
                                "agenda --tsv --from 2027-01-01 --days 3 none.kmb",
                                "ics --now 2027-01-01 --days 2 none.kmb", "--date 2027-02-30"};
#ifdef _WIN32
    const bool japaneseUnset = true;
    const std::string usage = "使い方: koyomi"; // the ANSI code page to a file
#else
    const bool japaneseUnset = false;
    const std::string usage = u8"使い方: koyomi";
#endif
    for (const char* args : runs) {
        SCOPED_TRACE(args);
        const ToolRun english = RunKoyomi(dir, args, "C");
        const ToolRun japanese = RunKoyomi(dir, args, "ja_JP.UTF-8");
        const ToolRun unset = RunKoyomi(dir, args, "");
        EXPECT_EQ(english.status, japanese.status);
        EXPECT_EQ(english.out, japanese.out);
        EXPECT_EQ(english.out, unset.out);
        EXPECT_FALSE(HasNonAscii(english.err)) << english.err;
        EXPECT_TRUE(HasNonAscii(japanese.err)) << japanese.err;
        EXPECT_EQ(japaneseUnset ? japanese.err : english.err, unset.err);
    }
    const std::string help = RunKoyomi(dir, "--help", "ja_JP.UTF-8").out;
    EXPECT_EQ(0u, help.find(usage));
}
