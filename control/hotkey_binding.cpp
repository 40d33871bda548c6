#include "control/hotkey_binding.h"

#include <string>

#include "common/globals.h"
#include "engine/tables.h"
#include "platform/hotkey_service.h"
#include "platform/process.h"
#include "ui/main_window.h"

namespace control {

void bindHotkey(platform::Control& target) {
    using namespace ui;
    const bool alt = 选择框1.checked(), ctrl = 选择框2.checked(), shift = 选择框3.checked();
    const int keyIndex = 组合框3.selection();
    const bool keyListed = keyIndex >= 0 && keyIndex < static_cast<int>(engine::KeyTable.size());
    const int modifierCode = (ctrl ? 1 : 0) + (alt ? 4 : 0) + (shift ? 2 : 0);

    hotkeyId = platform::registerHotkey(window.handle(), target.handle(), modifierCode, engine::keyFor(keyIndex));
    if (hotkeyId != 0) return;

    // The parts stand in their order on screen, whatever the order they were ticked in.
    std::wstring message = L"注册快捷键失败:\r\n\r\n<";
    if (alt) message += L"Alt + ";
    if (ctrl) message += L"Ctrl + ";
    if (shift) message += L"Shift + ";
    if (keyListed) message += 组合框3.itemText(keyIndex);
    message += L">\r\n\r\n因为这组快捷键正在被使用！请尝试其他快捷键！";
    platform::messageBox(message, L"Vantorel", platform::informationBox);
}

void unbindHotkey() {
    (void)platform::unregisterHotkey(ui::window.handle(), hotkeyId);  // id 0 or a released id: nothing to release
}

void rebindAfterEdit() {
    unbindHotkey();
    bindHotkey(ui::标签5);
}

}  // namespace control
