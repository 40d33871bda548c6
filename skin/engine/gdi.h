#pragma once
// Move-only owners for what the engine takes from Windows, each given back
// exactly once, and the count of GDI objects the engine holds.
#include <utility>

#include "platform/owned.h"
#include "platform/win32.h"

namespace skin_engine {

// GDI objects created by the engine and not yet deleted.
int liveGdiObjects();
void countGdiObject(int change);

class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(HGDIOBJ object) : object_(object) {
        if (object_) countGdiObject(+1);
    }
    GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    HGDIOBJ get() const { return object_; }
    HBRUSH brush() const { return static_cast<HBRUSH>(object_); }
    explicit operator bool() const { return object_ != nullptr; }
    void reset() {
        if (object_) {
            DeleteObject(object_);
            countGdiObject(-1);
            object_ = nullptr;
        }
    }

private:
    HGDIOBJ object_ = nullptr;
};

using platform::PaintDc;

// The DC's whole state, restored at the end of the scope: selections, colours, modes.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

using Hook = platform::Owned<HHOOK, UnhookWindowsHookEx>;

}  // namespace skin_engine
