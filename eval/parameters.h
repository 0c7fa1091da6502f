// Evaluation parameters: the byte image of a ".par" file.
#pragma once

#include <array>
#include <cstdint>

namespace kv {

constexpr int kParameterFileSize = 1162;

struct ParameterSet {
    std::array<std::uint8_t, kParameterFileSize> bytes {};
};

// The shipped default parameters, built into the program as well as written
// to "parametres/defaut.par", so that tests and tools need no file.
ParameterSet defaultParameters();

} // namespace kv
