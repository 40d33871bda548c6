#include "engine/click_tick.h"

#include <climits>
#include <string>

#include "common/globals.h"
#include "engine/tables.h"
#include "platform/input.h"
#include "platform/message_loop.h"
#include "ui/main_window.h"

namespace engine {
namespace {

int depth = 0;

struct Nesting {
    Nesting() { ++depth; }
    ~Nesting() { --depth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
};

void clickMouse() {
    using namespace ui;
    const int actionCode = actionCodeFor(鼠标.selection());
    const int n = injectionsPerFiring(鼠标速度.selection());
    for (int i = 0; i < n; ++i) {
        if (const auto cursor = platform::cursorPosition()) {  // an unreadable position skips this click, uncounted
            platform::injectMouseAction(cursor->x, cursor->y, actionCode);
            if (clickCount < INT_MAX) ++clickCount;
            点击次数.setCaption(std::to_wstring(clickCount));
        }
        platform::processPendingMessages();
    }
}

void pressKeys() {
    using namespace ui;
    const int virtualKey = keyFor(键盘.selection());
    const int n = injectionsPerFiring(键盘速度.selection());
    for (int i = 0; i < n; ++i) platform::injectKeyPress(virtualKey);
}

}  // namespace

void clickTick() {
    if (depth >= maxTickDepth) return;
    Nesting nesting;
    platform::processPendingMessages();
    if (ui::鼠标选择.checked()) {
        clickMouse();
    } else {
        pressKeys();
    }
}

int tickDepth() { return depth; }

}  // namespace engine
