// The shipped library as a host and the system see it: its export and import tables and its
// version block.
#include "TestUtil.h"
#include "Win32TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {
// A PE image read from disk, with its sections mapped for RVAs.
class CPeFile {
public:
    explicit CPeFile(const std::string& bytes) : image(bytes) {
        if (U16(0) != 0x5A4D)
            return;
        pe = U32(0x3C);
        if (pe + 24 > image.size() || U32(pe) != 0x4550)
            return;
        sections = U16(pe + 6);
        optional = pe + 24;
        sectionTable = optional + U16(pe + 20);
        valid = U16(optional) == 0x10B; // PE32: a 32-bit image
    }
    bool IsValid() const { return valid; }
    std::uint16_t Machine() const { return U16(pe + 4); }
    // Data directory i of PE32: export 0, import 1.
    std::uint32_t DirectoryRva(int i) const { return U32(optional + 96 + 8 * i); }

    std::vector<std::string> ExportNames() const {
        std::vector<std::string> names;
        const std::size_t dir = Offset(DirectoryRva(0));
        if (!dir)
            return names;
        const std::uint32_t count = U32(dir + 24);
        const std::size_t table = Offset(U32(dir + 32));
        for (std::uint32_t i = 0; i < count && table; ++i)
            names.push_back(String(Offset(U32(table + 4 * i))));
        return names;
    }
    std::string ExportDllName() const {
        const std::size_t dir = Offset(DirectoryRva(0));
        return dir ? String(Offset(U32(dir + 12))) : std::string();
    }
    std::vector<std::string> ImportDlls() const {
        std::vector<std::string> dlls;
        std::size_t d = Offset(DirectoryRva(1));
        for (; d && U32(d + 12) != 0; d += 20)
            dlls.push_back(String(Offset(U32(d + 12))));
        return dlls;
    }

private:
    std::uint32_t U16(std::size_t at) const {
        return at + 2 <= image.size() ? static_cast<unsigned char>(image[at]) |
                                            static_cast<unsigned char>(image[at + 1]) << 8
                                      : 0;
    }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::size_t Offset(std::uint32_t rva) const {
        for (unsigned i = 0; i < sections; ++i) {
            const std::size_t s = sectionTable + 40 * i;
            const std::uint32_t va = U32(s + 12), size = U32(s + 8), raw = U32(s + 20);
            if (rva >= va && rva < va + size)
                return raw + (rva - va);
        }
        return 0;
    }
    std::string String(std::size_t at) const {
        if (!at || at >= image.size())
            return std::string();
        return std::string(image.c_str() + at, strnlen(image.c_str() + at, image.size() - at));
    }

    std::string image;
    std::size_t pe = 0, optional = 0, sectionTable = 0;
    unsigned sections = 0;
    bool valid = false;
};

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string VersionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\041103a4\\") + name;
    if (!VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
        return std::string();
    return value;
}
} // namespace

TEST(ShippedLibrary, ExportsExactlyTheNineteenUndecoratedNames) {
    CPeFile pe(ReadBytes(BinPath("Koyomiru.dxl")));
    ASSERT_TRUE(pe.IsValid());
    EXPECT_EQ(pe.Machine(), 0x14Cu); // i386
    EXPECT_EQ(pe.ExportDllName(), "Koyomiru.dxl");
    std::vector<std::string> names = pe.ExportNames();
    std::vector<std::string> expected = ExportNames();
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected); // the table is sorted by name
    for (const std::string& n : names)
        EXPECT_EQ(n.find('@'), std::string::npos) << n;
}

TEST(ShippedLibrary, ImportsOnlySystemLibraries) {
    CPeFile pe(ReadBytes(BinPath("Koyomiru.dxl")));
    ASSERT_TRUE(pe.IsValid());
    const std::vector<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                             "comctl32.dll", "comdlg32.dll", "shell32.dll",
                                             "msvcrt.dll",   "advapi32.dll"};
    const std::vector<std::string> dlls = pe.ImportDlls();
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls)
        EXPECT_NE(std::find(system.begin(), system.end(), Lower(dll)), system.end()) << dll;
}

TEST(ShippedLibrary, ResolvesEveryExportByNameButNoDecoratedOne) {
    CPlugin& dxl = ShippedDxl();
    ASSERT_NE(dxl.Module(), nullptr);
    for (const std::string& name : ExportNames())
        EXPECT_NE(GetProcAddress(dxl.Module(), name.c_str()), nullptr) << name;
    EXPECT_EQ(GetProcAddress(dxl.Module(), "Update@12"), nullptr);
    EXPECT_EQ(GetProcAddress(dxl.Module(), "_Update@12"), nullptr);
    EXPECT_EQ(GetProcAddress(dxl.Module(), "MouseClick"), nullptr);
    EXPECT_EQ(GetProcAddress(dxl.Module(), "KoyomiruTestToolPath"), nullptr);
}

// The plug-in's block is its own; the programs' come from the project's version.
TEST(ShippedPrograms, CarryTheJapaneseVersionBlock) {
    const struct {
        const char* file;
        const char* version;
        DWORD ms, ls;
    } shipped[] = {{"Koyomiru.dxl", "2.0.0.1", 0x00020000u, 0x00000001u},
                   {"koyomi.exe", KOYOMI_VERSION, KOYOMI_VERSION_MS, KOYOMI_VERSION_LS},
                   {"koyomihost.exe", KOYOMI_VERSION, KOYOMI_VERSION_MS, KOYOMI_VERSION_LS}};
    for (const auto& s : shipped) {
        SCOPED_TRACE(s.file);
        const std::string path = BinPath(s.file);
        DWORD unused = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
        ASSERT_GT(size, 0u);
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(fixed->dwFileVersionMS, s.ms);
        EXPECT_EQ(fixed->dwFileVersionLS, s.ls);
        EXPECT_EQ(fixed->dwProductVersionMS, s.ms);
        EXPECT_EQ(fixed->dwProductVersionLS, s.ls);
        EXPECT_EQ(VersionString(info, "OriginalFilename"), s.file);
        EXPECT_EQ(VersionString(info, "FileVersion"), s.version);
        EXPECT_EQ(VersionString(info, "ProductName"), "控え帳版ＫＹＯＭＩ");
    }
}

TEST(ShippedLibrary, FixedResultsOfTheOtherExports) {
    CPlugin& dxl = ShippedDxl();
    ASSERT_NE(dxl.Module(), nullptr);
    RECT rect = {1, 2, 3, 4};
    HGLOBAL data = nullptr;
    EXPECT_EQ(dxl.GetTimerSpan(), -1);
    EXPECT_EQ(dxl.DoTimer(nullptr), 0);
    EXPECT_EQ(dxl.Resize(nullptr, &rect), 0);
    EXPECT_EQ(dxl.GetSaveData(nullptr, &data), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(dxl.DrawChip(nullptr, nullptr, &rect), 1);
    EXPECT_EQ(dxl.MouseClik(nullptr, nullptr, WM_LBUTTONDOWN, 0), 1);
    EXPECT_EQ(dxl.CalcDefaultRect(nullptr, &rect), 1);
    dxl.Zoom(nullptr, 100);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 4);
}
