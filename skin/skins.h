#pragma once
// The skins the program carries, as skin files built from skin/palettes.h.
#include <cstdint>
#include <span>

namespace skin {

// The bytes of skin `number`, 1..skinCount(); empty for any other number.
// They live as long as the program.
std::span<const std::uint8_t> skinData(int number);

int skinCount();

}  // namespace skin
