// The engine in-process: real windows and controls of this thread, skinned,
// read back from the screen and driven with real injected input.
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "platform/owned.h"
#include "skin/engine/engine.h"
#include "skin/engine/gdi.h"
#include "skin/skins.h"
#include "skin_window.h"
#include "window_fixture.h"

namespace {

using namespace skin_testing;
using namespace testing_support;
using skin_format::Part;

const skin_format::Skin distinct = distinctSkin();
COLORREF colour(Part part) { return colourOf(distinct, part); }

int attachDistinct() {
    static const std::vector<std::uint8_t> bytes = distinctSkinBytes();
    return skin_engine::attach(bytes);
}

// The window exists before the skin is applied (as in the program), or is
// created after it (as a message box or a second window would be).
enum class Order { windowFirst, skinFirst };

class Skinned : public ::testing::TestWithParam<Order> {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // over no control: none is hot
        if (GetParam() == Order::windowFirst) {
            ASSERT_TRUE(skinWindow.load());
        }
        ASSERT_EQ(attachDistinct(), 0);
        if (GetParam() == Order::skinFirst) {
            ASSERT_TRUE(skinWindow.load());
        }
        repaintAll(skinWindow.window.handle());
    }
    void TearDown() override {
        skinWindow.destroy();
        pumpFor(20ms);
    }
};

struct Spot {
    const char* what;
    platform::Control* control;  // nullptr: the window
    int x, y;                    // negative: from the right or bottom edge
    Part part;
};

COLORREF pixelOf(const Spot& spot) {
    HWND window = spot.control ? spot.control->handle() : skinWindow.window.handle();
    Picture picture(window);
    const int x = spot.x < 0 ? picture.width() + spot.x : spot.x;
    const int y = spot.y < 0 ? picture.height() + spot.y : spot.y;
    return picture.at(x, y);
}

TEST_P(Skinned, FacesTakeTheSkinsColours) {
    const Spot spots[] = {
        {"window background", nullptr, -8, 170, Part::face},
        {"push button face", &skinWindow.push, 4, 4, Part::buttonFace},
        {"push button border", &skinWindow.push, 0, 12, Part::shadow},
        {"check box background", &skinWindow.check, -3, 2, Part::face},
        {"check box's box", &skinWindow.check, 3, 9, Part::fieldFace},
        {"check box's box border", &skinWindow.check, 0, 9, Part::shadow},
        {"radio button background", &skinWindow.radio, -3, 2, Part::face},
        {"group box inside", &skinWindow.group, -12, -8, Part::face},
        {"check box inside the group", &skinWindow.inner, -3, 2, Part::face},
        {"label inside the group", &skinWindow.innerLabel, -2, 2, Part::face},
        {"combo box field", &skinWindow.combo, 3, 3, Part::fieldFace},
        {"combo box border", &skinWindow.combo, 0, 8, Part::shadow},
        {"combo box button", &skinWindow.combo, -4, 3, Part::buttonFace},
        {"status bar", &skinWindow.status, -6, 10, Part::statusFace},
        {"status bar's top edge", &skinWindow.status, 40, 0, Part::shadow},
    };
    for (const Spot& spot : spots) EXPECT_EQ(pixelOf(spot), colour(spot.part)) << spot.what;
}

TEST_P(Skinned, CaptionsTakeTheSkinsTextColours) {
    struct Caption {
        const char* what;
        platform::Control* control;
        Part part;
    };
    const Caption captions[] = {
        {"push button", &skinWindow.push, Part::buttonText},
        {"check box", &skinWindow.check, Part::text},
        {"check box in the group", &skinWindow.inner, Part::text},
        {"label in the group", &skinWindow.innerLabel, Part::text},
        {"disabled check box", &skinWindow.disabled, Part::disabledText},
        {"combo box", &skinWindow.combo, Part::fieldText},
        {"status bar", &skinWindow.status, Part::statusText},
    };
    for (const Caption& caption : captions)
        EXPECT_TRUE(Picture(caption.control->handle()).contains(colour(caption.part))) << caption.what;
    EXPECT_FALSE(Picture(skinWindow.disabled.handle()).contains(colour(Part::text))) << "disabled draws disabled";
}

TEST_P(Skinned, DeliberateColoursSurvive) {
    EXPECT_TRUE(Picture(skinWindow.radio.handle()).contains(RGB(0, 0, 255))) << "blue radio caption";
    EXPECT_FALSE(Picture(skinWindow.radio.handle()).contains(colour(Part::text)));
    EXPECT_TRUE(Picture(skinWindow.group.handle()).contains(RGB(0, 0, 255))) << "blue group caption";
    EXPECT_FALSE(Picture(skinWindow.group.handle()).contains(colour(Part::groupCaption)));
    Picture label(skinWindow.label.handle());
    EXPECT_EQ(label.at(1, 1), RGB(0, 0, 0)) << "black test area";
    EXPECT_TRUE(label.contains(RGB(0, 255, 0))) << "green text";
    EXPECT_FALSE(label.contains(colour(Part::face)));

    // A colour the program changes later is followed too.
    skinWindow.radio.setTextColor(platform::rgb(255, 0, 0));
    pumpFor(50ms);
    EXPECT_TRUE(Picture(skinWindow.radio.handle()).contains(RGB(255, 0, 0)));
    skinWindow.radio.setTextColor(platform::black);  // black is the program's "no colour"
    pumpFor(50ms);
    EXPECT_TRUE(Picture(skinWindow.radio.handle()).contains(colour(Part::text)));
}

TEST_P(Skinned, ARejectedSkinChangesNothing) {
    const Picture before(skinWindow.window.handle());
    std::vector<std::uint8_t> good = distinctSkinBytes();
    const auto builtIn = skin::skinData(3);
    struct Bad {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Bad> bad{
        {"empty", {}},
        {"truncated by one", {good.begin(), good.end() - 1}},
        {"half a built skin", {builtIn.begin(), builtIn.begin() + builtIn.size() / 2}},
        {"a trailing byte", good},
        {"not a skin", std::vector<std::uint8_t>(4096, 0xAB)},
    };
    bad[3].bytes.push_back(0);
    for (const Bad& b : bad) {
        EXPECT_NE(skin_engine::attach(b.bytes), 0) << b.what;
        repaintAll(skinWindow.window.handle());
        EXPECT_TRUE(Picture(skinWindow.window.handle()) == before) << b.what;
    }
    EXPECT_EQ(Picture(skinWindow.combo.handle()).at(3, 3), colour(Part::fieldFace));
}

TEST_P(Skinned, AMessageBoxMadeLaterWearsTheSkin) {
    std::atomic<COLORREF> face{CLR_INVALID}, button{CLR_INVALID};
    std::thread reader([&] {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowW(L"#32770", L"Skinned box");
            if (!box) {
                Sleep(10);
                continue;
            }
            Sleep(300);  // shown and painted
            face = pixelAt(box, 3, 3);
            if (HWND ok = GetDlgItem(box, IDOK)) button = pixelAt(ok, 4, 4);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
    });
    const int answer = MessageBoxW(skinWindow.window.handle(), L"Under the skin", L"Skinned box", MB_OK);
    reader.join();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(face.load(), colour(Part::face)) << "dialog face";
    EXPECT_TRUE(button.load() == colour(Part::buttonFace) || button.load() == colour(Part::buttonHot)) << "OK button face";
}

// ---- Behaviour: the controls' own procedures still handle all input ----

TEST_P(Skinned, InjectedClicksWorkAsWithoutTheSkin) {
    ASSERT_FALSE(skinWindow.check.checked());
    clickOn(skinWindow.check.handle());
    ASSERT_TRUE(pumpUntil([] { return skinWindow.check.checked(); })) << "a click checks the box";
    pumpFor(50ms);
    // The pointer stays over the box, whose border then has the mark's colour too.
    const int marked = Picture(skinWindow.check.handle()).count(colour(Part::mark));
    clickOn(skinWindow.check.handle());
    ASSERT_TRUE(pumpUntil([] { return !skinWindow.check.checked(); }));
    pumpFor(50ms);
    EXPECT_GT(marked, Picture(skinWindow.check.handle()).count(colour(Part::mark)) + 8) << "the tick comes and goes";

    clickOn(skinWindow.radio.handle());
    EXPECT_TRUE(pumpUntil([] { return skinWindow.radio.checked(); }));

    clickOn(skinWindow.push.handle());
    EXPECT_TRUE(pumpUntil([] { return skinWindow.clicks == 1; })) << "the push button's event";

    clickOn(skinWindow.disabled.handle());
    pumpFor(100ms);
    EXPECT_FALSE(skinWindow.disabled.checked()) << "a disabled box stays as it is";
}

TEST_P(Skinned, TheComboBoxDropsShowsTheSkinAndSelects) {
    HWND combo = skinWindow.combo.handle();
    clickOn(combo);
    ASSERT_TRUE(pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
    pumpFor(100ms);
    Picture list(parts.hwndList);
    EXPECT_EQ(list.at(list.width() - 3, list.height() - 3), colour(Part::fieldFace)) << "the list's face";
    EXPECT_TRUE(list.contains(colour(Part::selectionFace))) << "the chosen item";
    EXPECT_TRUE(list.contains(colour(Part::fieldText)));

    RECT third{};
    SendMessageW(parts.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    POINT point{(third.left + third.right) / 2, (third.top + third.bottom) / 2};
    ClientToScreen(parts.hwndList, &point);
    clickAt(point);
    ASSERT_TRUE(pumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    EXPECT_EQ(skinWindow.combo.selection(), 2);

    // Focused and closed: the chosen text on the selection colour.
    pumpFor(50ms);
    EXPECT_EQ(GetFocus(), combo);
    EXPECT_TRUE(Picture(combo).contains(colour(Part::selectionFace)));
    pressKey(VK_DOWN);
    EXPECT_TRUE(pumpUntil([] { return skinWindow.combo.selection() == 3; })) << "keys still move the selection";
}

TEST_P(Skinned, ThePointerLightsAButtonUp) {
    HWND push = skinWindow.push.handle();
    POINT away{};
    SetCursorPos(centreOnScreen(push).x, centreOnScreen(push).y);
    Sleep(50);
    SetCursorPos(centreOnScreen(push).x + 1, centreOnScreen(push).y);
    EXPECT_TRUE(pumpUntil([&] { return Picture(push).at(4, 4) == colour(Part::buttonHot); }));
    RECT window{};
    GetWindowRect(skinWindow.window.handle(), &window);
    away = {window.right - 10, window.top + 170};
    SetCursorPos(away.x, away.y);
    Sleep(50);
    SetCursorPos(away.x + 1, away.y);
    EXPECT_TRUE(pumpUntil([&] { return Picture(push).at(4, 4) == colour(Part::buttonFace); }));
}

TEST_P(Skinned, AWindowSubclassedOverTheEngineKeepsTheSkin) {
    // As the program does for its hotkey: a plain subclass on top, removed later in order.
    static WNDPROC previous = nullptr;
    static int seen = 0;
    HWND window = skinWindow.window.handle();
    seen = 0;
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            ++seen;
            return CallWindowProcW(previous, w, m, wp, lp);
        })));
    repaintAll(window);
    EXPECT_GT(seen, 0);
    EXPECT_EQ(Picture(window).at(Picture(window).width() - 8, 170), colour(Part::face));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    repaintAll(window);
    EXPECT_EQ(Picture(window).at(Picture(window).width() - 8, 170), colour(Part::face));
}

INSTANTIATE_TEST_SUITE_P(Orders, Skinned, ::testing::Values(Order::windowFirst, Order::skinFirst),
                         [](const auto& info) { return info.param == Order::windowFirst ? "WindowFirst" : "SkinFirst"; });

// ---- GDI objects ----

using Objects = Skinned;

// Once: the paints take a while under Wine.
class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skinWindow.load());
        ASSERT_EQ(attachDistinct(), 0);
        repaintAll(skinWindow.window.handle());
    }
    void TearDown() override {
        skinWindow.destroy();
        pumpFor(20ms);
    }
};

TEST_F(Painting, ThousandsOfPaintsLeaveNoObjectBehind) {
    const int held = skin_engine::liveGdiObjects();
    EXPECT_GT(held, 0);
    HWND controls[] = {skinWindow.push.handle(), skinWindow.check.handle(), skinWindow.radio.handle(), skinWindow.group.handle(),
                       skinWindow.combo.handle(), skinWindow.status.handle(), skinWindow.disabled.handle(),
                       skinWindow.window.handle()};
    for (int paint = 0; paint < 20000; ++paint) {
        HWND control = controls[paint % std::size(controls)];
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    pumpFor(20ms);
    EXPECT_EQ(skin_engine::liveGdiObjects(), held);
    // GetGuiResources counts nothing under Wine: objects kept by paints would
    // show as a process out of GDI handles.
    std::vector<platform::OwnedGdiObject> fresh;
    for (int i = 0; i < 200; ++i) {
        fresh.emplace_back(CreateSolidBrush(RGB(i, 0, 0)));
        ASSERT_TRUE(fresh.back()) << "brush " << i;
        fresh.emplace_back(CreatePen(PS_SOLID, 1, RGB(0, i, 0)));
        ASSERT_TRUE(fresh.back()) << "pen " << i;
    }
    EXPECT_EQ(Picture(skinWindow.push.handle()).at(4, 4), colour(Part::buttonFace)) << "still drawing";
}

TEST_P(Objects, ASkinMakesItsObjectsOnce) {
    const int held = skin_engine::liveGdiObjects();
    ASSERT_EQ(attachDistinct(), 0);
    ASSERT_EQ(attachDistinct(), 0);
    EXPECT_EQ(skin_engine::liveGdiObjects(), held) << "the same skin again makes nothing";
    // Another skin makes its own, once; going back to it makes nothing more.
    const int number = GetParam() == Order::windowFirst ? 5 : 31;
    ASSERT_EQ(skin_engine::attach(skin::skinData(number)), 0);
    const int withAnother = skin_engine::liveGdiObjects();
    EXPECT_GT(withAnother, held);
    ASSERT_EQ(skin_engine::attach(skin::skinData(number)), 0);
    ASSERT_EQ(attachDistinct(), 0);
    EXPECT_EQ(skin_engine::liveGdiObjects(), withAnother);
}

INSTANTIATE_TEST_SUITE_P(Orders, Objects, ::testing::Values(Order::windowFirst, Order::skinFirst),
                         [](const auto& info) { return info.param == Order::windowFirst ? "WindowFirst" : "SkinFirst"; });

}  // namespace
