#include "skin/engine/engine.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <map>
#include <vector>

#include "skin/engine/paint.h"  // <windows.h> first
#include <commctrl.h>

#include "platform/subclass.h"

namespace skin_engine {

namespace {

// A thread whose windows wear the skin: its hooks, and the windows created
// there that the engine has yet to take on.
struct ThreadHooks {
    Hook creation, messages;
    std::vector<HWND> pending;
};

thread_local ThreadHooks* thisThread = nullptr;
std::atomic<bool> processEnding{false};

LRESULT CALLBACK skinProc(HWND, UINT, WPARAM, LPARAM, DWORD_PTR);

class Engine {
public:
    Engine() = default;
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    ~Engine();

    const Theme* theme() const { return current_.load(); }
    void use(const Theme* theme) { current_ = theme; }

    // Every theme stays until the library unloads: a window of another
    // thread may be painting with the one being replaced.
    const Theme* themeFor(const skin_format::Skin& skin) {
        std::lock_guard hold(lock_);
        for (const auto& theme : themes_)
            if (theme->skin() == skin) return theme.get();
        auto theme = Theme::make(skin);
        if (!theme) return nullptr;
        themes_.push_back(std::move(theme));
        return themes_.back().get();
    }

    ThreadHooks* keep(std::unique_ptr<ThreadHooks> hooks) {
        std::lock_guard hold(lock_);
        threads_.push_back(std::move(hooks));
        return threads_.back().get();
    }

    // The windows the engine draws, until their WM_NCDESTROY.
    bool hasAdopted(HWND window) {
        std::lock_guard hold(lock_);
        return windows_.count(window) != 0;
    }
    void adopted(HWND window, WindowSkin* skin) {
        std::lock_guard hold(lock_);
        windows_[window] = skin;
    }
    void forgot(HWND window) {
        std::lock_guard hold(lock_);
        windows_.erase(window);
    }

private:
    std::mutex lock_;
    std::vector<std::unique_ptr<Theme>> themes_;
    std::atomic<const Theme*> current_{nullptr};
    std::vector<std::unique_ptr<ThreadHooks>> threads_;
    std::map<HWND, WindowSkin*> windows_;
};

Engine& engine() {
    static Engine instance;
    return instance;
}

Engine::~Engine() {
    if (processEnding) {
        // Hooks and windows go with the process; touching them now could wait
        // on threads that are already gone.
        for (auto& hooks : threads_) (void)hooks.release();
    } else {
        threads_.clear();
        for (auto [window, skin] : windows_) {
            // Only the window's own thread may take its subclass away.
            if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) continue;
            platform::unsubclassWindow(window, skinProc);
            delete skin;
            InvalidateRect(window, nullptr, TRUE);
        }
    }
    current_ = nullptr;
    themes_.clear();
}

void redraw(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN); }

bool tracksHot(Kind kind) {
    return kind == Kind::pushButton || kind == Kind::checkBox || kind == Kind::radioButton || kind == Kind::comboBox;
}

// Controls that draw straight onto the screen when these arrive, bypassing
// WM_PAINT: the engine draws over them once they are done.
bool repaintsAfter(Kind kind, UINT message) {
    switch (kind) {
    case Kind::pushButton:
    case Kind::checkBox:
    case Kind::radioButton:
        switch (message) {
        case BM_SETSTATE: case BM_SETCHECK: case BM_SETSTYLE: case BM_CLICK:
        case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case WM_SETTEXT:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_KEYDOWN: case WM_KEYUP:
        case WM_CAPTURECHANGED: case WM_UPDATEUISTATE:
            return true;
        }
        return false;
    case Kind::groupBox:
        return message == WM_SETTEXT || message == WM_ENABLE || message == WM_UPDATEUISTATE;
    case Kind::comboBox:
        switch (message) {
        case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case CB_SETCURSEL: case CB_SHOWDROPDOWN:
        case CB_SELECTSTRING: case CB_RESETCONTENT: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_KEYDOWN:
        case WM_CHAR: case WM_COMMAND: case WM_MOUSEWHEEL: case WM_CAPTURECHANGED: case WM_UPDATEUISTATE:
            return true;
        }
        return false;
    case Kind::comboList:
        return message == WM_SETFOCUS || message == WM_KILLFOCUS;
    default:
        return false;
    }
}

// A dropped list redraws the items it moves its selection between by itself.
bool movesListSelection(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_KEYDOWN: case WM_CHAR: case WM_TIMER:
    case WM_VSCROLL: case WM_MOUSEWHEEL: case LB_SETCURSEL: case LB_SETTOPINDEX: case LB_SETCARETINDEX:
    case WM_CAPTURECHANGED:
        return true;
    }
    return false;
}

bool listMoved(HWND list, WindowSkin& skin) {
    const int selection = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const bool moved = selection != skin.listSelection || top != skin.listTop;
    skin.listSelection = selection;
    skin.listTop = top;
    return moved;
}

LRESULT CALLBACK skinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR data) {
    auto& skin = *reinterpret_cast<WindowSkin*>(data);
    if (message == WM_NCDESTROY) {  // the subclass goes by itself after this message
        engine().forgot(window);
        delete &skin;
        return platform::callNextProcedure(window, message, wParam, lParam);
    }
    const Theme* theme = engine().theme();
    if (!theme) return platform::callNextProcedure(window, message, wParam, lParam);

    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        // The container's own answer first: only a default one gives way.
        return skinnedColourReply(message, reinterpret_cast<HDC>(wParam), platform::callNextProcedure(window, message, wParam, lParam), *theme);
    case WM_PRINTCLIENT:
    case WM_PAINT:
        if ((message == WM_PAINT || wParam) && paints(window, skin)) {
            PaintDc dc(window, reinterpret_cast<HDC>(wParam));
            paint(window, dc.get(), *theme, skin);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (erase(window, reinterpret_cast<HDC>(wParam), *theme, skin)) return 1;
        break;
    case WM_MOUSEMOVE:
        if (tracksHot(skin.kind) && !skin.hot) {
            skin.hot = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            LRESULT result = platform::callNextProcedure(window, message, wParam, lParam);
            redraw(window);
            return result;
        }
        break;
    case WM_MOUSELEAVE:
        if (skin.hot) {
            skin.hot = false;
            redraw(window);
        }
        break;
    }
    if (skin.kind == Kind::comboList && movesListSelection(message)) {
        LRESULT result = platform::callNextProcedure(window, message, wParam, lParam);
        if (listMoved(window, skin)) redraw(window);
        return result;
    }
    LRESULT result = platform::callNextProcedure(window, message, wParam, lParam);
    if (repaintsAfter(skin.kind, message)) redraw(window);
    return result;
}

// Subclassed once, for its whole life.
bool adopt(HWND window) {
    if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    if (engine().hasAdopted(window)) return false;
    Kind kind;
    if (!kindOf(window, kind)) return false;
    auto* skin = new WindowSkin{kind};
    if (!platform::subclassWindow(window, skinProc, reinterpret_cast<DWORD_PTR>(skin))) {
        delete skin;
        return false;
    }
    engine().adopted(window, skin);
    return true;
}

// New windows are taken on only once their creator is done with them, so
// that the engine sits above any subclass the creator adds: its default
// colour replies must pass through the engine.
void adoptPending() {
    if (!thisThread || thisThread->pending.empty()) return;
    std::vector<HWND> windows;
    windows.swap(thisThread->pending);
    for (HWND window : windows)
        if (adopt(window) && IsWindowVisible(window))
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT CALLBACK creationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (thisThread) {
        if (code == HCBT_CREATEWND)
            thisThread->pending.push_back(reinterpret_cast<HWND>(wParam));
        else if (code == HCBT_ACTIVATE || code == HCBT_SETFOCUS)
            adoptPending();  // about to be shown or used
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK messageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) adoptPending();  // back in a message loop: creation is over
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool hookThisThread() {
    if (thisThread) return true;
    auto hooks = std::make_unique<ThreadHooks>();
    const DWORD thread = GetCurrentThreadId();
    hooks->creation = Hook(SetWindowsHookExW(WH_CBT, creationHook, nullptr, thread));
    hooks->messages = Hook(SetWindowsHookExW(WH_GETMESSAGE, messageHook, nullptr, thread));
    if (!hooks->creation || !hooks->messages) return false;
    thisThread = engine().keep(std::move(hooks));
    return true;
}

BOOL CALLBACK adoptChild(HWND window, LPARAM) {
    adopt(window);
    return TRUE;
}

BOOL CALLBACK adoptTree(HWND window, LPARAM) {
    adopt(window);
    EnumChildWindows(window, adoptChild, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

}  // namespace

int attach(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return noBytes;
    skin_format::Skin skin;
    if (skin_format::Error error = skin_format::parse(bytes, skin); error != skin_format::Error::none)
        return static_cast<int>(error);
    const Theme* theme = engine().themeFor(skin);
    if (!theme) return noGdiObjects;
    if (!hookThisThread()) return noHooks;

    engine().use(theme);
    adoptPending();
    EnumThreadWindows(GetCurrentThreadId(), adoptTree, 0);
    return 0;
}

void noteProcessEnding() { processEnding = true; }

}  // namespace skin_engine
