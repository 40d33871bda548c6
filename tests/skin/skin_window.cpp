#include "skin_window.h"

#include <array>
#include <cstring>

#include "platform/owned.h"
#include "window_fixture.h"

namespace skin_testing {

using namespace platform;
using enum platform::ControlKind;

SkinWindow skinWindow;

namespace {

constexpr std::array<const wchar_t*, 5> items{L"One", L"Two", L"Three", L"Four", L"Five"};
constexpr std::array panes{PaneDef{120, 0, L"Left"}, PaneDef{-1, 1, L"Right"}};

const std::array controls{
    ControlDef{.control = &skinWindow.push, .kind = PushButton, .container = nullptr, .rect = {10, 10, 90, 26}, .text = L"Push",
               .events = {.clicked = [] { ++skinWindow.clicks; }}},
    ControlDef{.control = &skinWindow.check, .kind = CheckBox, .container = nullptr, .rect = {10, 44, 100, 18}, .text = L"Check"},
    ControlDef{.control = &skinWindow.radio, .kind = RadioButton, .container = nullptr, .rect = {10, 68, 100, 18}, .text = L"Radio",
               .textColor = blue},
    ControlDef{.control = &skinWindow.inner, .kind = CheckBox, .container = &skinWindow.group, .rect = {10, 22, 90, 18},
               .text = L"Inner"},
    ControlDef{.control = &skinWindow.innerLabel, .kind = Label, .container = &skinWindow.group, .rect = {10, 46, 90, 18},
               .text = L"In the group"},
    ControlDef{.control = &skinWindow.group, .kind = GroupBox, .container = nullptr, .rect = {120, 8, 200, 76},
               .text = L"Group caption", .textColor = blue},
    ControlDef{.control = &skinWindow.disabled, .kind = CheckBox, .container = nullptr, .rect = {10, 92, 100, 18},
               .text = L"Disabled", .enabled = false},
    ControlDef{.control = &skinWindow.combo, .kind = ComboBox, .container = nullptr, .rect = {120, 92, 120, 160}, .items = items,
               .selection = 0},
    ControlDef{.control = &skinWindow.label, .kind = Label, .container = nullptr, .rect = {10, 120, 140, 24},
               .text = L"Green on black", .textColor = green, .backColor = platform::black},
    ControlDef{.control = &skinWindow.status, .kind = StatusBar, .container = nullptr, .rect = {0, 0, 0, 20}, .panes = panes},
};

const WindowDef definition{.caption = L"Skin test", .width = 340, .height = 240, .controls = controls};

}  // namespace

bool SkinWindow::load() {
    clicks = 0;
    if (!window.load(definition)) return false;
    SetForegroundWindow(window.handle());
    testing_support::pumpFor(std::chrono::milliseconds(100));
    return true;
}

skin_format::Skin distinctSkin() {
    skin_format::Skin skin;
    std::strcpy(skin.name.data(), "Distinct");
    using P = skin_format::Part;
    skin[P::face] = {200, 210, 120};
    skin[P::text] = {60, 20, 90};
    skin[P::light] = {240, 236, 200};
    skin[P::shadow] = {110, 100, 60};
    skin[P::buttonFace] = {150, 190, 230};
    skin[P::buttonHot] = {170, 215, 250};
    skin[P::buttonPressed] = {100, 150, 200};
    skin[P::buttonText] = {30, 40, 70};
    skin[P::groupCaption] = {140, 40, 30};
    skin[P::statusFace] = {120, 70, 140};
    skin[P::statusText] = {250, 250, 210};
    skin[P::selectionFace] = {210, 90, 40};
    skin[P::selectionText] = {255, 255, 250};
    skin[P::fieldFace] = {250, 240, 220};
    skin[P::fieldText] = {50, 50, 30};
    skin[P::disabledText] = {160, 150, 130};
    skin[P::mark] = {180, 30, 120};
    return skin;
}

std::vector<std::uint8_t> distinctSkinBytes() { return skin_format::encode(distinctSkin()); }

COLORREF colourOf(const skin_format::Skin& skin, skin_format::Part part) {
    const skin_format::Rgb c = skin[part];
    return RGB(c.red, c.green, c.blue);
}

Picture::Picture(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    width_ = area.right;
    height_ = area.bottom;
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    if (pixels_.empty()) return;
    WindowDc screen(window);
    HDC memory = CreateCompatibleDC(screen.get());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    OwnedGdiObject bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (memory && bitmap) {
        {
            Selection chosen(memory, bitmap.get());
            BitBlt(memory, 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
        }
        GdiFlush();
        std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(std::uint32_t));
    }
    if (memory) DeleteDC(memory);
}

COLORREF Picture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Picture::count(COLORREF colour) const {
    int found = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) found += at(x, y) == colour;
    return found;
}

void repaintAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_support::pumpFor(std::chrono::milliseconds(30));
}

}  // namespace skin_testing
