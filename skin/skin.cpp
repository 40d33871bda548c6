#include "skin/skin.h"

namespace skin {

// The engine and its skins are not part of the build yet: the window keeps
// the system's look, and start-up writes no library.
void deploySkinEngineLocal() {}
void deploySkinEngineSystem() {}
void applySkin(int) {}

}  // namespace skin
