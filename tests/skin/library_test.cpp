// The built SkinH_EL.dll, loaded from beside the program and called the way
// the program calls it, on the program's real window.
#include <gtest/gtest.h>

#include "running_program.h"
#include "skin/engine/format.h"
#include "skin/skins.h"
#include "skin_window.h"
#include "ui/main_window.h"
#include "window_fixture.h"

namespace {

using namespace skin_testing;
using namespace testing_support;
using skin_format::Part;

using AttachRes = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);

AttachRes loadEntry() {
    static AttachRes entry = [] {
        HMODULE library = LoadLibraryW((folderOfThisProgram() + L"\\SkinH_EL.dll").c_str());
        FARPROC found = library ? GetProcAddress(library, "SkinH_AttachRes") : nullptr;
        return reinterpret_cast<AttachRes>(reinterpret_cast<void*>(found));
    }();
    return entry;
}

int attachSkin(int number) {
    const auto bytes = skin::skinData(number);
    return loadEntry()(bytes.data(), static_cast<int>(bytes.size()), "", 0, 0, 0);
}

skin_format::Skin skinNumber(int number) {
    skin_format::Skin skin;
    EXPECT_EQ(skin_format::parse(skin::skinData(number), skin), skin_format::Error::none);
    return skin;
}

bool closeTo(COLORREF a, COLORREF b) {
    auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}

// A spot of the window's own face, clear of every control.
COLORREF windowFace() { return Picture(ui::window.handle()).at(360, 100); }

// First of all, before the program's window applies its skin: on a plain
// window, no bad call changes anything.
TEST(SkinLibraryFirst, RejectsBadCallsLeavingThePlainLookUntouched) {
    ASSERT_NE(loadEntry(), nullptr) << "SkinH_AttachRes exported by SkinH_EL.dll";
    ASSERT_TRUE(skinWindow.load());
    repaintAll(skinWindow.window.handle());
    const Picture plain(skinWindow.window.handle());
    EXPECT_EQ(plain.at(plain.width() - 8, 170), GetSysColor(COLOR_BTNFACE));

    const auto skin29 = skin::skinData(29);
    std::vector<unsigned char> longer(skin29.begin(), skin29.end()), damaged = longer;
    longer.push_back(0);
    damaged[10] ^= 0x55;
    struct Call {
        const char* what;
        const unsigned char* bytes;
        int length;
    };
    const Call calls[] = {
        {"null bytes", nullptr, 92},
        {"zero length", skin29.data(), 0},
        {"negative length", skin29.data(), -5},
        {"one byte short", skin29.data(), static_cast<int>(skin29.size()) - 1},
        {"one byte long", longer.data(), static_cast<int>(longer.size())},
        {"a damaged byte", damaged.data(), static_cast<int>(damaged.size())},
    };
    for (const Call& call : calls) {
        EXPECT_NE(loadEntry()(call.bytes, call.length, "", 0, 0, 0), 0) << call.what;
        repaintAll(skinWindow.window.handle());
        EXPECT_TRUE(Picture(skinWindow.window.handle()) == plain) << call.what;
    }
    skinWindow.destroy();
    pumpFor(20ms);
}

using SkinLibrary = MainWindowTest;

TEST_F(SkinLibrary, TheProgramStartsInSkin29) {
    repaintAll(ui::window.handle());
    const skin_format::Skin harbour = skinNumber(29);
    EXPECT_EQ(windowFace(), colourOf(harbour, Part::face));
    Picture testArea(ui::标签9.handle());
    EXPECT_EQ(testArea.at(2, 2), RGB(0, 0, 0));
    EXPECT_TRUE(testArea.contains(RGB(0, 255, 0)));
    EXPECT_TRUE(Picture(ui::分组框3.handle()).contains(RGB(0, 0, 255))) << "the hotkey group's blue caption";
    EXPECT_TRUE(Picture(ui::鼠标选择.handle()).contains(RGB(0, 0, 255))) << "the mouse mode's blue caption";
    Picture bar(ui::状态条1.handle());
    EXPECT_TRUE(closeTo(bar.at(bar.width() - 4, bar.height() / 2), colourOf(harbour, Part::statusFace)))
        << "a gradient around the status face";
    EXPECT_TRUE(bar.contains(colourOf(harbour, Part::statusText)));
    EXPECT_TRUE(Picture(ui::按钮1.handle()).contains(colourOf(harbour, Part::buttonText)));
    EXPECT_TRUE(Picture(ui::标签1.handle()).contains(colourOf(harbour, Part::text))) << "a label in a group";
    EXPECT_EQ(Picture(ui::标签1.handle()).at(1, 1), colourOf(harbour, Part::face));

    // A rejected skin now leaves skin 29 in place.
    const Picture before(ui::window.handle());
    const auto skin29 = skin::skinData(29);
    EXPECT_NE(loadEntry()(skin29.data(), static_cast<int>(skin29.size()) - 2, "", 0, 0, 0), 0);
    repaintAll(ui::window.handle());
    EXPECT_EQ(windowFace(), colourOf(harbour, Part::face));
    EXPECT_TRUE(Picture(ui::window.handle()) == before);
}

TEST_F(SkinLibrary, EverySkinDressesTheProgramsWindow) {
    for (int number = 1; number <= skin::skinCount(); ++number) {
        ASSERT_EQ(attachSkin(number), 0) << number;
        repaintAll(ui::window.handle());
        const skin_format::Skin skin = skinNumber(number);
        EXPECT_EQ(windowFace(), colourOf(skin, Part::face)) << skin.name.data();
        EXPECT_EQ(Picture(ui::标签9.handle()).at(2, 2), RGB(0, 0, 0)) << skin.name.data();
        EXPECT_TRUE(Picture(ui::选择框2.handle()).contains(colourOf(skin, Part::mark))) << skin.name.data() << ": Ctrl is checked";
    }
}

TEST_F(SkinLibrary, TheProgramsHandlersStillWork) {
    ASSERT_EQ(attachSkin(29), 0);
    // The keyboard mode: the radio's handler enables the keyboard group and turns its caption red.
    clickOn(ui::键盘选择.handle());
    ASSERT_TRUE(pumpUntil([] { return ui::键盘选择.checked(); }));
    EXPECT_TRUE(pumpUntil([] { return ui::分组框2.enabled() && !ui::分组框1.enabled(); }));
    pumpFor(50ms);
    EXPECT_TRUE(Picture(ui::键盘选择.handle()).contains(RGB(255, 0, 0)));
    // Tab moves the focus as before.
    SetFocus(ui::键盘选择.handle());
    pressKey(VK_TAB);
    EXPECT_TRUE(pumpUntil([] { return GetFocus() == ui::键盘.handle(); }));
}

}  // namespace
