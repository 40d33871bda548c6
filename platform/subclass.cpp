#include "platform/subclass.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace platform {
namespace {

struct Layer {
    SubclassProcedure procedure;
    DWORD_PTR data;
};

// A window's procedure before the first subclass, and the subclasses in the
// order they came: the last one gets each message first.
struct Chain {
    WNDPROC base = nullptr;
    std::vector<Layer> layers;
};

// Windows of any thread of the process; the lock is never held while a
// procedure runs, since procedures send messages of their own.
std::mutex guard;
std::unordered_map<HWND, Chain> chains;

// The layers running on this thread, innermost last, so that a layer passing
// a message on reaches the one below it, also across nested messages.
struct Running {
    HWND window;
    int layer;
};
constexpr int deepest = 256;
thread_local Running running[deepest];
thread_local int depth = 0;

// Layer `index` of the window's chain, or the base when `index` is below the first.
LRESULT callLayer(HWND window, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    Layer layer{};
    WNDPROC base = nullptr;
    {
        std::lock_guard lock(guard);
        auto at = chains.find(window);
        if (at == chains.end()) return DefWindowProcW(window, message, wParam, lParam);
        base = at->second.base;
        if (index >= static_cast<int>(at->second.layers.size())) index = static_cast<int>(at->second.layers.size()) - 1;
        if (index >= 0) layer = at->second.layers[static_cast<size_t>(index)];
    }
    if (index < 0 || depth == deepest) return CallWindowProcW(base, window, message, wParam, lParam);
    running[depth++] = {window, index};
    const LRESULT result = layer.procedure(window, message, wParam, lParam, layer.data);
    --depth;
    return result;
}

LRESULT CALLBACK frontProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = callLayer(window, deepest, message, wParam, lParam);
    if (message == WM_NCDESTROY) {  // the handle may be reused from now on
        std::lock_guard lock(guard);
        chains.erase(window);
    }
    return result;
}

}  // namespace

bool subclassWindow(HWND window, SubclassProcedure procedure, DWORD_PTR data) {
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
    bool first = false;
    {
        std::lock_guard lock(guard);
        Chain& chain = chains[window];
        for (const Layer& layer : chain.layers)
            if (layer.procedure == procedure) return false;
        first = chain.layers.empty() && !chain.base;
        chain.layers.push_back({procedure, data});
    }
    if (!first) return true;
    // The chain stands before the swap: the first message may come at once.
    SetLastError(0);
    const auto base = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frontProcedure)));
    std::lock_guard lock(guard);
    if (!base && GetLastError() != 0) {
        chains.erase(window);
        return false;
    }
    chains[window].base = base;
    return true;
}

void unsubclassWindow(HWND window, SubclassProcedure procedure) {
    WNDPROC base = nullptr;
    {
        std::lock_guard lock(guard);
        auto at = chains.find(window);
        if (at == chains.end()) return;
        std::erase_if(at->second.layers, [&](const Layer& layer) { return layer.procedure == procedure; });
        if (!at->second.layers.empty()) return;
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(frontProcedure))
            return;  // someone sits in front and calls through us: we stay, passing messages on
        base = at->second.base;
        chains.erase(at);
    }
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
}

LRESULT callNextProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (int i = depth - 1; i >= 0; --i)
        if (running[i].window == window) return callLayer(window, running[i].layer - 1, message, wParam, lParam);
    return callLayer(window, -1, message, wParam, lParam);  // called from outside any layer: the base
}

}  // namespace platform
