// Every command through the one table and the one parser: a mistyped name gets the hint, a
// usage error has one form and exits 2, and --help is taken after a command's arguments too.
#include "KoyomiRun.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <string>

TEST(CommandLine, EveryCommandGetsItsHintOneUsageErrorFormAndHelpAfterItsArguments) {
    const std::string dir = FreshDir("commandline");
    const std::string help = RunKoyomi(dir, "--help").out;
    const struct {
        const char* args;
        int status;
        const char* err; // 2: the message; 1: a part of the warnings
    } cases[] = {
        {"agend", 1, "it adds nothing (did you mean \"koyomi agenda\"?)"},
        {"mnth", 1, "it adds nothing (did you mean \"koyomi month\"?)"},
        {"icss", 1, "it adds nothing (did you mean \"koyomi ics\"?)"},
        {"dmp", 1, "it adds nothing (did you mean \"koyomi dump\"?)"},
        {"lst", 1, "it adds nothing (did you mean \"koyomi list\"?)"},
        {"convrt", 1, "it adds nothing (did you mean \"koyomi convert\"?)"},
        {"holiday", 1, "it adds nothing (did you mean \"koyomi holidays\"?)"},
        {"dump -- --help", 1, "koyomi: --help: no such file"},
        {"--frobnicate", 2, "koyomi: unknown option \"--frobnicate\""},
        {"dump", 2, "koyomi dump: expected one PATH"},
        {"list -x a.kmb", 2, "koyomi list: unknown option \"-x\""},
        {"convert a.kmb", 2, "koyomi convert: expected IN and OUT"},
        {"holidays 1999", 2,
         "koyomi holidays: year 1999 is outside 2000-2099, the years these "
         "rules cover"},
        {"agenda --days 3661 a.kmb", 2,
         "koyomi agenda: --days takes a number of days from 1 to 3660, not \"3661\""},
        {"agenda --from 9999-12-30 a.kmb", 2,
         "koyomi agenda: the range would run past the year 9999"},
        {"month 2026-13 a.kmb", 2, "koyomi month: bad month \"2026-13\" (use YYYY-MM)"},
        {"ics --from 2020-01-01 --to 2030-01-10 a.kmb", 2,
         "koyomi ics: the range is longer than 3660 days"},
        {"a.kmb --help", 0, ""},
        {"dump a.kmb --help", 0, ""},
        {"list a.kmb -h", 0, ""},
        {"convert a.kmb b.kmb --help", 0, ""},
        {"holidays 2027 --help", 0, ""},
        {"agenda a.kmb --help", 0, ""},
        {"month 2027-01 --chip c.txt --help", 0, ""},
        {"ics a.kmb -h", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun r = RunKoyomi(dir, c.args);
        EXPECT_EQ(c.status, r.status);
        if (c.status == 1) {
            EXPECT_NE(std::string::npos, r.err.find(c.err)) << r.err;
            continue;
        }
        EXPECT_EQ(c.status == 0 ? help : "", r.out);
        const std::string told = c.err + std::string("\nTry 'koyomi --help'.\n");
        EXPECT_EQ(c.status == 0 ? "" : Redirected(told), r.err);
    }
}
