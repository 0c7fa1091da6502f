// What every fuzz target provides. The entry point is libFuzzer's; the seeds
// are valid inputs the replay driver mutates (and writes out as the starting
// corpus of a long libFuzzer run).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

std::vector<std::string> kvFuzzSeeds();
