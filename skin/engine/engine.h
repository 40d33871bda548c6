#pragma once
// The engine's entry: a skin applied to the calling thread's windows, now and
// from then on.
#include <cstdint>
#include <span>

namespace skin_engine {

// Results other than 0. A rejected skin changes nothing; a format error is
// reported as its skin_format::Error.
inline constexpr int noGdiObjects = 100;
inline constexpr int noHooks = 101;
inline constexpr int noBytes = 102;

// 0 when the skin is in use; otherwise nothing changed.
int attach(std::span<const std::uint8_t> bytes);

// At process exit the windows and hooks are the system's to clean up.
void noteProcessEnding();

}  // namespace skin_engine
