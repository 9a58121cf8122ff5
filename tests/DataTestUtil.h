// Entries compared through their packed images, the shared builder of data files, and the
// fixtures of the readers' tests (the data tests and the calendar's tests of the holidays a
// load marks share them).
#pragma once

#include "EntryUtil.h"
#include "KmbBuilder.h"
#include "TestUtil.h"
#include "data/KmdEntryFile.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

inline std::string Image(const CKmdDate& e) {
    unsigned char buf[CKmdDate::PackedSize()];
    e.Pack(buf, sizeof buf);
    return std::string(reinterpret_cast<char*>(buf), sizeof buf);
}

inline std::vector<std::string> Images(const CKmdEntryFile& file) {
    std::vector<std::string> out;
    for (int i = 0; i < file.GetCount(); ++i) {
        CKmdDate e;
        file.GetAt(static_cast<unsigned>(i), e);
        out.push_back(Image(e));
    }
    return out;
}

// The one clock set to a day of a year: the year of the holidays a load marks.
inline void SetClockDay(unsigned year, unsigned month, unsigned day) {
    SYSTEMTIME now{};
    now.wYear = static_cast<WORD>(year);
    now.wMonth = static_cast<WORD>(month);
    now.wDay = static_cast<WORD>(day);
    SetClockOverride(&now);
}

class DataFileIo : public ::testing::Test {
protected:
    void SetUp() override {
        SetClockDay(2024, 6, 1);
        dir = FreshDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { SetClockOverride(nullptr); }

    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        WriteBytes(path, bytes);
        return path;
    }

    std::string dir;
};

struct ImportCase {
    const char* what;
    std::string text;
    std::vector<CKmdDate> entries;
    unsigned stopLine; // 0: read to the end
};

// The fields of the common line "0 1 1 0 0 0 0 NAME": type DT_DAY on 1/1.
inline CKmdDate Jan1(const std::string& name) {
    return RawEntry(0x10, 1, 0, 0, DT_DAY, name);
}

class LegacyImport : public ::testing::Test {
protected:
    void SetUp() override {
        SetClockDay(2026, 1, 1);
        dir = FreshDir("import");
    }
    void TearDown() override { SetClockOverride(nullptr); }

    void Check(const std::vector<ImportCase>& cases) {
        for (const ImportCase& c : cases) {
            SCOPED_TRACE(c.what);
            const std::string path = dir + "/case.kmd";
            WriteBytes(path, c.text);
            CKmdEntryFile file;
            file.Add(Jan1("held before"));
            ASSERT_TRUE(file.ImportText(path.c_str()));
            std::vector<std::string> expected;
            for (const CKmdDate& e : c.entries)
                expected.push_back(Image(e));
            EXPECT_EQ(expected, Images(file));
            EXPECT_EQ(c.stopLine, file.GetLoadReport().importStopLine);
        }
    }

    std::string dir;
};
