#pragma once
// The window's look: the skin engine library written beside the program at
// every start, and the skin handed to it.

namespace skin {

void deploySkinEngineLocal();
void deploySkinEngineSystem();

// Numbers 1 to 42 select a skin; any other number does nothing.
void applySkin(int number);

}  // namespace skin
