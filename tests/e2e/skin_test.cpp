// The skin engine's deployment and the skinned window, seen from outside the
// real program started in folders of the test's own making.
#include <gtest/gtest.h>

#include <string>

#include "running_program.h"
#include "skin/engine/format.h"
#include "skin/skins.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;

const std::wstring systemCopy = L"C:\\WINDOWS\\system32\\SkinH_EL.dll";

// A fresh folder holding a copy of the program, removed afterwards.
class ProgramFolder {
public:
    ProgramFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"vantorel-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(path_.c_str(), nullptr);
        CopyFileW(vantorelExe().c_str(), exe().c_str(), FALSE);
    }
    ~ProgramFolder() {
        SetFileAttributesW(library().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(library().c_str());
        RemoveDirectoryW(library().c_str());
        DeleteFileW(exe().c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring exe() const { return path_ + L"\\Vantorel.exe"; }
    std::wstring library() const { return path_ + L"\\SkinH_EL.dll"; }

private:
    std::wstring path_;
};

void removeSystemCopy() {
    SetFileAttributesW(systemCopy.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(systemCopy.c_str());
    RemoveDirectoryW(systemCopy.c_str());
}

// Wine reports every file as archived; Windows keeps exactly what was set.
DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE; }

ULONGLONG sizeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void startAndClose(const std::wstring& exe) {
    RunningProgram program(exe);
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(SkinDeployment, TheLibraryIsWrittenBesideTheProgramHiddenAndIntoTheSystemFolder) {
    removeSystemCopy();
    ProgramFolder folder;
    startAndClose(folder.exe());
    EXPECT_EQ(attributesOf(folder.library()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_GT(sizeOf(folder.library()), 4096u);
    EXPECT_EQ(sizeOf(systemCopy), sizeOf(folder.library())) << "the system folder had none: it gets one";

    // A later start meets its own hidden copy (Windows refuses to replace it,
    // Wine replaces it with the same bytes); either way it is hidden and used.
    const ULONGLONG size = sizeOf(folder.library());
    startAndClose(folder.exe());
    EXPECT_EQ(attributesOf(folder.library()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(sizeOf(folder.library()), size);
}

TEST(SkinDeployment, ASecondInstanceMeetsTheLoadedLibraryAndLoadsItToo) {
    ProgramFolder folder;
    RunningProgram first(folder.exe());
    HWND firstWindow = first.waitForWindow();
    ASSERT_NE(firstWindow, nullptr);
    RunningProgram second(folder.exe());
    auto box = answerNextBox(L"Vantorel");  // only the hotkey is reported: the failed write is quiet
    EXPECT_NE(box.get().find(L"注册快捷键失败"), std::wstring::npos);
    HWND secondWindow = second.waitForWindow();
    ASSERT_NE(secondWindow, nullptr) << "the second instance runs, skinned from the same file";
    EXPECT_EQ(attributesOf(folder.library()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    PostMessageW(secondWindow, WM_CLOSE, 0, 0);
    PostMessageW(firstWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.waitForExit(), 0u);
    EXPECT_EQ(first.waitForExit(), 0u);
}

TEST(SkinDeployment, WhateverStandsInTheSystemFolderIsLeftAlone) {
    removeSystemCopy();
    HANDLE marker = CreateFileW(systemCopy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(marker, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(marker, "mine", 4, &written, nullptr);
    CloseHandle(marker);
    {
        ProgramFolder folder;
        startAndClose(folder.exe());
    }
    EXPECT_EQ(sizeOf(systemCopy), 4u) << "a file of any content is never replaced";

    removeSystemCopy();
    ASSERT_TRUE(CreateDirectoryW(systemCopy.c_str(), nullptr));
    {
        ProgramFolder folder;
        startAndClose(folder.exe());
    }
    EXPECT_TRUE(GetFileAttributesW(systemCopy.c_str()) & FILE_ATTRIBUTE_DIRECTORY) << "a folder of that name counts";
    removeSystemCopy();
}

TEST(SkinDeployment, WithNoUsableEngineTheProgramStopsNamingFileAndEntry) {
    removeSystemCopy();
    ASSERT_TRUE(CreateDirectoryW(systemCopy.c_str(), nullptr));
    ProgramFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.library().c_str(), nullptr));  // nothing can be written or loaded
    RunningProgram program(folder.exe());
    auto box = answerNextBox(L"Vantorel");
    const std::wstring text = box.get();
    EXPECT_NE(text.find(L"SkinH_EL.dll"), std::wstring::npos) << text.size();
    EXPECT_NE(text.find(L"SkinH_AttachRes"), std::wstring::npos);
    EXPECT_EQ(program.waitForExit(), static_cast<DWORD>(-1));
    removeSystemCopy();
}

COLORREF colourOf(skin_format::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

COLORREF screenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(SkinnedWindow, ShowsSkin29AndKeepsTheProgramsOwnColours) {
    skin_format::Skin skin;
    ASSERT_EQ(skin_format::parse(skin::skinData(29), skin), skin_format::Error::none);
    RunningProgram program(vantorelExe());
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    pumpFor(500ms);
    EXPECT_EQ(screenPixel(window, 360, 172), colourOf(skin[skin_format::Part::face])) << "the window's face";
    EXPECT_EQ(screenPixel(window, 20, 205), RGB(0, 0, 0)) << "the test area stays black";
    bool green = false;
    for (int x = 18; x < 300 && !green; ++x)
        for (int y = 203; y < 223 && !green; ++y) green = screenPixel(window, x, y) == RGB(0, 255, 0);
    EXPECT_TRUE(green) << "with green text";
    bool blue = false;
    for (int x = 50; x < 105 && !blue; ++x)
        for (int y = 5; y < 21 && !blue; ++y) blue = screenPixel(window, x, y) == RGB(0, 0, 255);
    EXPECT_TRUE(blue) << "the mode caption keeps its blue";
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace
