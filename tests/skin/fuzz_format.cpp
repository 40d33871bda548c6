// libFuzzer target for the skin parser, built natively by scripts/fuzz.
// Any input is accepted whole or rejected; an accepted one is the one and
// only encoding of what was read.
#include <cstdlib>
#include <cstring>

#include "skin/engine/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    skin_format::Skin skin;
    const skin_format::Skin before = skin;
    if (skin_format::parse({data, size}, skin) != skin_format::Error::none) {
        if (!(skin == before)) std::abort();  // a rejected skin wrote something
        return 0;
    }
    const std::vector<std::uint8_t> again = skin_format::encode(skin);
    if (again.size() != size || std::memcmp(again.data(), data, size) != 0) std::abort();
    return 0;
}
