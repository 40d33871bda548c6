// The built program files read back: identity resources, subsystem, imports.
#include <gtest/gtest.h>

#include <cwctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "running_program.h"

namespace {

using namespace testing_support;

struct ProgramFile {
    const char* name;
    std::wstring path;
};

std::vector<ProgramFile> programFiles() {
    // The shipped 32-bit build lies in the sibling build tree.
    return {{"64-bit", vantorelExe()}, {"32-bit", folderOfThisProgram() + L"\\..\\..\\win32\\bin\\Vantorel.exe"}};
}

class BuiltProgram : public ::testing::TestWithParam<ProgramFile> {
protected:
    void SetUp() override {
        if (GetFileAttributesW(GetParam().path.c_str()) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "not built: the 32-bit program is built by scripts/test";
    }
};

std::wstring versionString(const std::vector<char>& info, const std::wstring& name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    std::wstring key = L"\\StringFileInfo\\080404B0\\" + name;
    if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return L"<none>";
    return value;
}

TEST_P(BuiltProgram, CarriesVersion3000InChinese) {
    const std::wstring& path = GetParam().path;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00030000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00030000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(versionString(info, L"FileVersion"), L"3.0.0.0");
    EXPECT_EQ(versionString(info, L"ProductVersion"), L"3.0.0.0");
    EXPECT_EQ(versionString(info, L"FileDescription"), L"简易的Vantorel，解放您的双手！");
    EXPECT_EQ(versionString(info, L"ProductName"), L"Vantorel");
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

TEST_P(BuiltProgram, HasOneLanguageNeutralIconOf48x48At24Bits) {
    HMODULE file = LoadLibraryExW(GetParam().path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(file, nullptr);
    HRSRC group = FindResourceExW(file, RT_GROUP_ICON, L"DEFAULT_ICON", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_NE(group, nullptr);
    auto* icon = static_cast<const GroupIcon*>(LockResource(LoadResource(file, group)));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->type, 1);
    ASSERT_EQ(icon->count, 1);
    EXPECT_EQ(icon->entries[0].width, 48);
    EXPECT_EQ(icon->entries[0].height, 48);
    EXPECT_EQ(icon->entries[0].bitCount, 24);
    HRSRC image = FindResourceW(file, MAKEINTRESOURCEW(icon->entries[0].id), RT_ICON);
    ASSERT_NE(image, nullptr);
    auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(file, image)));
    EXPECT_EQ(header->biWidth, 48);
    EXPECT_EQ(header->biBitCount, 24);
    FreeLibrary(file);
}

std::vector<unsigned char> readFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names of the DLLs in a PE file's import table.
std::vector<std::string> importedDlls(const std::vector<unsigned char>& pe, WORD& subsystem) {
    auto at = [&](size_t offset) { return pe.data() + offset; };
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0));
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(at(dos->e_lfanew));
    const bool wide = nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    const IMAGE_DATA_DIRECTORY imports =
        wide ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT]
             : nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    subsystem = wide ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)->OptionalHeader.Subsystem : nt->OptionalHeader.Subsystem;
    auto sections = IMAGE_FIRST_SECTION(nt);
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    std::vector<std::string> names;
    auto descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(fileOffset(imports.VirtualAddress)));
    for (; descriptor->Name; ++descriptor) {
        std::string name = reinterpret_cast<const char*>(at(fileOffset(descriptor->Name)));
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        names.push_back(name);
    }
    return names;
}

TEST_P(BuiltProgram, IsAGuiProgramNeedingNoRuntimeDllsBesideIt) {
    std::vector<unsigned char> pe = readFile(GetParam().path);
    ASSERT_GT(pe.size(), 4096u);
    WORD subsystem = 0;
    std::vector<std::string> dlls = importedDlls(pe, subsystem);
    EXPECT_EQ(subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    ASSERT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) {
        SCOPED_TRACE(dll);
        EXPECT_EQ(dll.find("libstdc++"), std::string::npos);
        EXPECT_EQ(dll.find("libgcc"), std::string::npos);
        EXPECT_EQ(dll.find("libwinpthread"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BuiltProgram, ::testing::ValuesIn(programFiles()),
                         [](const auto& info) { return std::string(info.param.name[0] == '6' ? "Win64" : "Win32"); });

}  // namespace
