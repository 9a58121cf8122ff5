// koyomi dump, list and convert.
#include "data/RowText.h"
#include "tools/koyomi/Commands.h"
#include "tools/koyomi/Common.h"

#include <cstdio>
#include <string>

namespace {
// Loads as the editor opens a file; prints the failure or the early stop of an import.
bool Load(CKmdDataFile& file, const std::string& path) {
    bool imported = false;
    if (!LoadLikeEditor(file, path, &imported)) {
        PutText(stderr, "ファイルの読込に失敗しました。\n");
        return false;
    }
    if (imported && file.GetImportStopLine() != 0) {
        if (file.GetImportStopOffset() == 0)
            std::fprintf(stderr,
                         "koyomi: %s: import stopped at line %u; that line and the lines after "
                         "it were not imported\n",
                         path.c_str(), file.GetImportStopLine());
        else
            std::fprintf(stderr,
                         "koyomi: %s: import stopped in line %u after its first %u bytes; the "
                         "rest of that line and the lines after it were not imported\n",
                         path.c_str(), file.GetImportStopLine(), file.GetImportStopOffset());
    }
    WarnIfCut(path, file.GetRecordsPromised(), file.GetRecordsWhole(),
              static_cast<unsigned long>(file.GetCount()));
    return true;
}

bool OneArgument(int argc, const char* command) {
    if (argc == 1)
        return true;
    std::fprintf(stderr, "koyomi %s: expected one PATH\n", command);
    PrintUsage(false);
    return false;
}
} // namespace

int RunDump(int argc, char** argv) {
    if (!OneArgument(argc, "dump"))
        return EXIT_USAGE;
    CKmdDataFile file;
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
        PutUtf8(stdout, fields + Cp932ToUtf8(RowColumnText(e, 0)) + "\n");
    }
    return 0;
}

int RunList(int argc, char** argv) {
    if (!OneArgument(argc, "list"))
        return EXIT_USAGE;
    CKmdDataFile file;
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
    PutUtf8(stdout, out);
    return 0;
}

int RunConvert(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "koyomi convert: expected IN and OUT\n");
        PrintUsage(false);
        return EXIT_USAGE;
    }
    CKmdDataFile file;
    if (!Load(file, argv[0]))
        return EXIT_LOAD_FAILED;
    // Without a whole backup the old OUT is not overwritten: the previous generation is
    // never lost.
    if (!MakeBackup(argv[1])) {
        std::fprintf(stderr, "koyomi convert: cannot make the backup %s; %s was not written\n",
                     BackupName(argv[1]).c_str(), argv[1]);
        return EXIT_LOAD_FAILED;
    }
    if (!file.Write(argv[1])) {
        std::fprintf(stderr, "koyomi convert: cannot write %s\n", argv[1]);
        return EXIT_LOAD_FAILED;
    }
    return 0;
}
