#pragma once
// Move-only owners of Win32 handles: each releases its handle exactly once.
#include <utility>

#include "platform/win32.h"

namespace platform {

template <typename Handle, auto Release>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

// A window destroyed by the user must be released (not destroyed) by its owner
// when it learns of it, at WM_NCDESTROY: its handle may be reused afterwards.
using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedImageList = Owned<HIMAGELIST, ImageList_Destroy>;
using OwnedGdiObject = Owned<HGDIOBJ, DeleteObject>;
using OwnedLibrary = Owned<HMODULE, FreeLibrary>;
using OwnedFile = Owned<HANDLE, CloseHandle>;  // never INVALID_HANDLE_VALUE: test before owning

// A paint cycle of a window: BeginPaint now, EndPaint at the end of the
// scope; or, when a DC came with the message (WM_PAINT with a DC, or
// WM_PRINTCLIENT), that DC, which stays its sender's.
class PaintDc {
public:
    explicit PaintDc(HWND window, HDC given = nullptr) : window_(window), dc_(given) {
        if (!dc_) {
            dc_ = BeginPaint(window, &paint_);
            began_ = true;
        }
    }
    ~PaintDc() {
        if (began_) EndPaint(window_, &paint_);
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
    bool began_ = false;
};

// A window's device context outside a paint cycle, released at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace platform
