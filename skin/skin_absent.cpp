#include "skin/skin.h"

namespace skin {

// A build without the skin engine (VANTOREL_SKIN_ENGINE off): the window
// keeps the system's look and start-up writes no library.
void deploySkinEngineLocal() {}
void deploySkinEngineSystem() {}
void applySkin(int) {}

}  // namespace skin
