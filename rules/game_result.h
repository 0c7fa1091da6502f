// How a game ended, the one type for it everywhere: the game controller, the
// rated matches and their history, engine matches, text and PDN exchange.
// The values are the controller's result codes.
#pragma once

#include "board.h"

#include <optional>
#include <string_view>

namespace kv {

enum class GameResult : int { BlackWon = 0, Draw = 1, WhiteWon = 2, None = 3 };

constexpr int resultCode(GameResult r) { return static_cast<int>(r); }
std::optional<GameResult> resultOfCode(int code);

constexpr GameResult winFor(SideToMove side)
{
    return side == White ? GameResult::WhiteWon : GameResult::BlackWon;
}

// The score in points of white and black, as the text export and the results
// history write it: "2-0", "1-1", "0-2"; empty for no result.
std::string_view scoreText(GameResult r);
std::optional<GameResult> parseScoreText(std::string_view text);

// The PDN game terminator of these rules (the default result type):
// "1-0", "0-1", "1/2-1/2", "*".
std::string_view pdnResultText(GameResult r);

// Any result token a PDN file may end a game with: the default type above,
// the international "2-0", "1-1", "0-2", and "0-0" (both sides lost, which
// no result here stands for: None).
std::optional<GameResult> parsePdnResult(std::string_view text);

} // namespace kv
