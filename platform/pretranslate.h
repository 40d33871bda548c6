#pragma once
#include "platform/win32.h"

namespace platform {

// Offers a message to the loaded window before dispatch; true when consumed.
bool preTranslateMessage(const MSG& message);

}  // namespace platform
