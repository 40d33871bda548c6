#pragma once
// The click tick: what every firing of the click timer 时钟2 injects.

namespace engine {

// Ticks nest when a firing arrives during a tick's message processing; a
// firing that would nest deeper than this is skipped.
inline constexpr int maxTickDepth = 3;

void clickTick();

// How many ticks are running, the current one included (0 outside a tick).
int tickDepth();

}  // namespace engine
