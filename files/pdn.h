// PDN 3.0 (Portable Draughts Notation) for these rules: tag pairs, then the
// moves in the numbers the board shows, then the result.
//
//     [Event "?"] ... [GameType "28,W,8,8,N1,1"] [FEN "W:W...:B..."] [PlyCount "7"]
//     1. 10-14 23-19 2. 14x23 27x18 3. 5x14x23 ... 2-0
//
// A capture is written with its landing squares only when another legal
// capture has the same origin and destination. The reader takes any number of
// games, skips comments ({...}, ";" to the end of the line), variations,
// numeric annotations and move marks, reads letter-and-digit squares too, and
// accepts another or no GameType with a notice.
#pragma once

#include "exchange_game.h"

#include "rules/game_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr const char* kPdnGameType = "28,W,8,8,N1,1";

// The tags the record does not hold.
struct PdnTags {
    std::string event = "?";
    std::string site = "?";
    std::string date = "????.??.??";
    std::string round = "?";
};

// The game from its first position to the current one (ply gamePly).
std::string writePdn(GameState& game, GameOutcome result, const PdnTags& tags = {});

std::vector<GameSummary> listPdnGames(std::string_view text);

// Game `index` (0-based). Nothing, with the reason in `error`, when there is
// no such game or its set-up position cannot be read.
std::optional<ParsedGame> readPdnGame(std::string_view text, int index, std::string* error = nullptr);

} // namespace kv
