// Positions typed or pasted by the user, and given to the command-line tool.
#include "fuzz_target.h"

#include "rules/movegen.h"
#include "rules/notation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kv;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto pos = parseFen(text, &error);
    if (!pos) {
        if (error.empty()) std::abort(); // every refusal says why
        return 0;
    }
    // What was accepted writes back to a FEN that reads as the same position.
    const auto back = parseFen(formatFen(*pos));
    if (!back || back->board != pos->board || back->side != pos->side) std::abort();
    static MoveGenerator generator;
    generator.generateLegal(pos->board, pos->side);
    return 0;
}

std::vector<std::string> kvFuzzSeeds()
{
    return { "start",  "W:W9,10,K28:B20,22,K5", "B:W1-12:B21-32",           "W:WK1,K32:BK4,K29",
             "B:W:B5", "W:W18,22:B14",          "[FEN \"W:W21,22:B9,10\"]", "B:W1,2:B5" };
}
