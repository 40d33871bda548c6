#include "skin/engine/theme.h"

#include <atomic>

namespace skin_engine {

namespace {

std::atomic<int> gdiObjects{0};

}  // namespace

int liveGdiObjects() { return gdiObjects.load(); }
void countGdiObject(int change) { gdiObjects += change; }

std::unique_ptr<Theme> Theme::make(const skin_format::Skin& skin) {
    std::unique_ptr<Theme> theme(new Theme(skin));
    theme->face_ = GdiObject(CreateSolidBrush((*theme)[Part::face]));
    theme->field_ = GdiObject(CreateSolidBrush((*theme)[Part::fieldFace]));
    if (!theme->face_ || !theme->field_) return nullptr;
    return theme;
}

}  // namespace skin_engine
