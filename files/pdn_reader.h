// Reading PDN 3.0 (Portable Draughts Notation) games of these rules: tag
// pairs, then the moves in the numbers the board shows, then the result.
// The reader takes any number of
// games, skips comments ({...}, ";" to the end of the line), variations,
// numeric annotations and move marks, reads letter-and-digit squares too, and
// accepts another or no GameType with a notice.
#pragma once

#include "exchange_game.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

std::vector<GameSummary> listPdnGames(std::string_view text);

// Game `index` (0-based). Nothing, with the reason in `error`, when there is
// no such game or its set-up position cannot be read.
std::optional<ParsedGame> readPdnGame(std::string_view text, int index, std::string* error = nullptr);

} // namespace kv
