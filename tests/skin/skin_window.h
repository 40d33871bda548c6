#pragma once
// A small window holding one of every control the skin draws, built by the
// program's own window code, and pictures of what the screen shows.
#include <cstdint>
#include <vector>

#include "platform/controls.h"
#include "platform/win32.h"
#include "skin/engine/format.h"

namespace skin_testing {

inline constexpr platform::Color blue = platform::rgb(0, 0, 255);
inline constexpr platform::Color green = platform::rgb(0, 255, 0);

struct SkinWindow {
    platform::Window window;
    platform::Control push, check, radio, group, inner, innerLabel, disabled, combo, label, status;
    int clicks = 0;  // of the push button

    bool load();
    void destroy() { window.destroy(); }
};

extern SkinWindow skinWindow;

// A skin whose every colour is its own, for telling parts apart by pixel:
// flat, square, and none of its colours is black, blue or green.
skin_format::Skin distinctSkin();
std::vector<std::uint8_t> distinctSkinBytes();

COLORREF colourOf(const skin_format::Skin& skin, skin_format::Part part);

// The client area of a window as the screen shows it.
class Picture {
public:
    explicit Picture(HWND window);
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const;
    int count(COLORREF colour) const;
    bool contains(COLORREF colour) const { return count(colour) > 0; }
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Repaints the window and everything in it now, and lets the paint settle.
void repaintAll(HWND window);

}  // namespace skin_testing
