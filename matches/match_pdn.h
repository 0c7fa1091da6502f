// Match games as a PDN collection, written by the program's PDN writer: the
// standard tags with the match as the event, the moves from the ballot's
// position, the adjudication as a comment, then the result.
#pragma once

#include "matches/match_game.h"

#include <string>

namespace kv {

struct PdnGame {
    std::string event, white, black;
    int round = 0;
    const MatchGameResult* result = nullptr;
};

std::string pdnText(const PdnGame& g);

// Writes the text, never in place (io/atomic_write.h); false with a reason.
bool writeTextFile(const std::string& path, const std::string& text, std::string& why);

} // namespace kv
