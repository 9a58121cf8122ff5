// koyomi --chip FILE reads each relative line from FILE's folder, wherever it runs, in the
// main mode and the range commands alike: one table over where the chip file lies, where the
// command runs, relative and absolute lines and the file's encoding (natively the names are
// UTF-8 as the file system spells them; on Windows code page 932 too, with drive letters and
// "..\").
#include "DayModel.h"
#include "KmbBuilder.h"
#include "KoyomiRun.h"
#include "TestUtil.h"
#include "calendar/Calendar.h"
#include "calendar/DayText.h"
#include "platform/CodePage.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// A name as the file system spells it.
std::string OnDisk(const std::string& cp932) {
    return NamesAreCp932() ? cp932 : Cp932ToUtf8(cp932);
}
} // namespace

TEST(ChipFolder, RelativeLinesAreReadFromTheChipFilesFolder) {
    const std::string sep = NamesAreCp932() ? "\\" : "/";
    const std::string dir = FreshDir("chipfolder");
    for (const char* sub : {"data", "chips", "run"})
        MakeDir(dir + "/" + sub);
    const std::string names[] = {"給料.kmb", "a.kmb"};
    WriteBytes(dir + "/data/" + OnDisk(names[0]), KmbBytes({OnDay(1, 13, "給料日")}));
    WriteBytes(dir + "/data/" + names[1], KmbBytes({EveryDay("燃えるゴミ")}));
    const std::string base = FolderSeen(dir); // absolute: a drive letter on Windows

    const SYSTEMTIME day = MakeDate(2027, 1, 13);
    const std::string expected =
        InProcess(dir + "/data/" + OnDisk(names[0]) + "\r\n" + dir + "/data/" + names[1], day, day);
    ASSERT_NE(std::string::npos, expected.find("給料日\r\n燃えるゴミ"));

    const char* const encodings[] = {"code page 932", "UTF-8", "UTF-8 with a mark"};
    std::string agenda; // as the first case gives it
    int row = 0;
    // The chip beside the files or in a sibling folder; run there, in the parent or elsewhere.
    for (const std::string& lies : {std::string("data"), std::string("chips")})
        for (const std::string& runs : {lies, std::string(), std::string("run")})
            for (const bool absolute : {false, true}) {
                // Windows reads all three; natively code page 932 names no file of these.
                const int encoding = NamesAreCp932() ? row % 3 : 1 + row % 2;
                const bool absoluteChip = row++ % 4 == 3;
                std::string chip;
                for (const std::string& name : names)
                    chip += (absolute         ? base + "data" + sep
                             : lies == "data" ? std::string()
                                              : ".." + sep + "data" + sep) +
                            name + "\r\n";
                if (encoding > 0)
                    chip = (encoding == 2 ? "\xEF\xBB\xBF" : "") + Cp932ToUtf8(chip);
                WriteBytes(dir + "/" + lies + "/chip.txt", chip);
                const std::string runDir = runs.empty() ? dir : dir + "/" + runs;
                const std::string chipArg = absoluteChip   ? base + lies + sep + "chip.txt"
                                            : runs == lies ? std::string("chip.txt")
                                            : runs.empty() ? lies + sep + "chip.txt"
                                                           : ".." + sep + lies + sep + "chip.txt";
                SCOPED_TRACE(std::string(encodings[encoding]) + ", run in " + runDir + ": --chip " +
                             chipArg + (absolute ? ", absolute lines" : ", relative lines"));
                const ToolRun text =
                    RunKoyomi(runDir, "--raw --now 2027-01-13 --chip \"" + chipArg + "\"");
                EXPECT_EQ(0, text.status);
                EXPECT_EQ(expected, text.out);
                EXPECT_EQ("", text.err);
                const ToolRun days = RunKoyomi(
                    runDir, "agenda --tsv --from 2027-01-12 --days 2 --chip \"" + chipArg + "\"");
                EXPECT_EQ(0, days.status);
                if (agenda.empty())
                    agenda = days.out;
                EXPECT_EQ(agenda, days.out);
                EXPECT_EQ("", days.err);
            }
    EXPECT_NE(std::string::npos, agenda.find(u8"2027-01-13\t給料日"));

    // A missing relative line names the chip file's folder, as the command line gave it.
    WriteBytes(dir + "/chips/chip.txt", "none.kmb\r\n.." + sep + "data" + sep + "a.kmb");
    const ToolRun missing =
        RunKoyomi(dir + "/run", "--raw --chip .." + sep + "chips" + sep + "chip.txt");
    EXPECT_EQ(0, missing.status);
    EXPECT_EQ(Redirected("koyomi: warning: none.kmb: no such file in .." + sep + "chips" + sep +
                         "; it adds nothing\n"),
              missing.err);
}
