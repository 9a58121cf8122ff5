// koyomi dump, list and convert.
#include "calendar/RowText.h"
#include "platform/CodePage.h"
#include "tools/catalog/Messages.h"
#include "tools/koyomi/Args.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/LoadReport.h"
#include "tools/koyomi/Output.h"
#include "tools/koyomi/Save.h"
#include "tools/koyomi/Usage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {
// The command's `count` PATH operands, and the first loaded as the editor opens a file:
// ARGS_PARSED, or the exit code.
int LoadFirst(int argc, char** argv, std::size_t count, MessageId wrongCount,
              std::vector<std::string>& paths, CKmdEntryFile& file) {
    const int parsed = TakeOperands(argc, argv, count, wrongCount, paths);
    if (parsed != ARGS_PARSED)
        return parsed;
    return LoadAndReport(file, paths[0]) ? ARGS_PARSED : EXIT_LOAD_FAILED;
}
} // namespace

int RunDump(int argc, char** argv) {
    std::vector<std::string> paths;
    CKmdEntryFile file;
    const int loaded = LoadFirst(argc, argv, 1, MSG_EXPECTED_ONE_PATH, paths, file);
    if (loaded != ARGS_PARSED)
        return loaded;
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        unsigned char image[CKmdDate::PackedSize()];
        e.Pack(image, sizeof image);
        char fields[32];
        std::snprintf(fields, sizeof fields, "%02X %u %u %02X %04X ", image[0], image[1], image[2],
                      image[3], static_cast<unsigned>(e.GetFlags().GetWord()));
        StdOut().Text(fields + Cp932ToUtf8(RowColumnText(e, 0)) + "\n");
    }
    return 0;
}

int RunList(int argc, char** argv) {
    std::vector<std::string> paths;
    CKmdEntryFile file;
    const int loaded = LoadFirst(argc, argv, 1, MSG_EXPECTED_ONE_PATH, paths, file);
    if (loaded != ARGS_PARSED)
        return loaded;
    std::string out;
    for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
        out += std::string(c ? "\t" : "") + Cp932ToUtf8(RowColumnHeading(c));
    out += "\n";
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        for (int c = 0; c < ROW_COLUMN_COUNT; ++c)
            out += std::string(c ? "\t" : "") + Cp932ToUtf8(RowColumnText(e, c));
        out += "\n";
    }
    StdOut().Text(out);
    return 0;
}

int RunConvert(int argc, char** argv) {
    std::vector<std::string> paths;
    CKmdEntryFile file;
    const int loaded = LoadFirst(argc, argv, 2, MSG_EXPECTED_IN_OUT, paths, file);
    if (loaded != ARGS_PARSED)
        return loaded;
    // Without a whole backup the old OUT is not overwritten: the previous generation is
    // never lost.
    return SaveWithBackup(paths[1], Speaker(argv[0]),
                          [&](const char* path) { return file.Write(path); })
               ? 0
               : EXIT_LOAD_FAILED;
}
