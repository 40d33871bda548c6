#pragma once
// A parsed skin made ready to draw with: its colours in the Windows layout and
// the brushes the engine hands out in WM_CTLCOLOR* replies, made once.
#include <memory>

#include "skin/engine/format.h"
#include "skin/engine/gdi.h"

namespace skin_engine {

using skin_format::Part;

class Theme {
public:
    // Null when Windows could not give the brushes.
    static std::unique_ptr<Theme> make(const skin_format::Skin& skin);

    const skin_format::Skin& skin() const { return skin_; }
    COLORREF operator[](Part part) const {
        const skin_format::Rgb c = skin_[part];
        return RGB(c.red, c.green, c.blue);
    }
    int gradient() const { return skin_.gradient; }
    int corner() const { return skin_.corner; }

    HBRUSH faceBrush() const { return face_.brush(); }
    HBRUSH fieldBrush() const { return field_.brush(); }
    bool owns(HBRUSH brush) const { return brush && (brush == face_.brush() || brush == field_.brush()); }

private:
    explicit Theme(const skin_format::Skin& skin) : skin_(skin) {}
    skin_format::Skin skin_;
    GdiObject face_, field_;
};

}  // namespace skin_engine
