// koyomi dump, list and convert.
#include "calendar/RowText.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Common.h"
#include "tools/koyomi/Output.h"

#include <cstdio>
#include <string>

namespace {
// Loads as the editor opens a file; prints the failure or the early stop of an import.
bool Load(CKmdEntryFile& file, const std::string& path) {
    bool imported = false;
    const LoadReport& report = file.GetLoadReport();
    if (!LoadLikeEditor(file, path, &imported)) {
        Tell(Msg(MSG_LOAD_FAILED));
        Tell("koyomi: " + SystemToUtf8(path) + ": " + LoadFailureText(report.failure));
        return false;
    }
    if (imported && report.importStopLine != 0) {
        const std::string line = std::to_string(report.importStopLine);
        if (report.importStopOffset == 0)
            Tell("koyomi: " + Msg(MSG_IMPORT_STOPPED_AT, {SystemToUtf8(path), line}));
        else
            Tell("koyomi: " +
                 Msg(MSG_IMPORT_STOPPED_IN,
                     {SystemToUtf8(path), line, std::to_string(report.importStopOffset)}));
    }
    if (report.records.Cut())
        WarnCut({path, report.records});
    return true;
}

bool OneArgument(int argc, const char* command) {
    if (argc == 1)
        return true;
    Tell(std::string("koyomi ") + command + ": " + Msg(MSG_EXPECTED_ONE_PATH));
    PrintUsage(false);
    return false;
}
} // namespace

int RunDump(int argc, char** argv) {
    if (!OneArgument(argc, "dump"))
        return EXIT_USAGE;
    CKmdEntryFile file;
    if (!Load(file, argv[0]))
        return EXIT_LOAD_FAILED;
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
    if (!OneArgument(argc, "list"))
        return EXIT_USAGE;
    CKmdEntryFile file;
    if (!Load(file, argv[0]))
        return EXIT_LOAD_FAILED;
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
    if (argc != 2) {
        Tell("koyomi convert: " + Msg(MSG_EXPECTED_IN_OUT));
        PrintUsage(false);
        return EXIT_USAGE;
    }
    CKmdEntryFile file;
    if (!Load(file, argv[0]))
        return EXIT_LOAD_FAILED;
    // Without a whole backup the old OUT is not overwritten: the previous generation is
    // never lost.
    return SaveWithBackup(argv[1],
                          "koyomi convert: ", [&](const char* path) { return file.Write(path); })
               ? 0
               : EXIT_LOAD_FAILED;
}
