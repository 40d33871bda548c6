// Writes the 42 built skins as the fuzzer's first corpus: fuzz_seeds DIR
#include <cstdio>
#include <string>

#include "skin/skins.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    for (int number = 1; number <= skin::skinCount(); ++number) {
        const std::string path = std::string(argv[1]) + "/skin" + std::to_string(number);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return 1;
        const auto bytes = skin::skinData(number);
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (std::fclose(file) != 0 || !written) return 1;
    }
    return 0;
}
