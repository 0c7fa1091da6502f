// Match games as a PDN collection: tag pairs, then the moves numbered
// "1. 11-15 24-20 2. ...", the adjudication as a comment and the result
// ("2-0", "1-1", "0-2" in points of white and black).
#pragma once

#include "matches/match_game.h"

#include <string>

namespace kv {

struct PdnGame {
    std::string event, white, black;
    int round = 0;
    const MatchGameResult* result = nullptr;
};

std::string resultText(GameOutcome o);
std::string pdnText(const PdnGame& g);

// Writes the text through a temporary file and a rename; false with a reason.
bool writeTextFile(const std::string& path, const std::string& text, std::string& why);

} // namespace kv
