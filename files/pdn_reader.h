// Reading PDN 3.0 (Portable Draughts Notation) games of these rules
// (GameType 28, or 24 which is played on the same board by the same rules):
// tag pairs, then the moves in the numbers the board shows or in letters and
// digits ("h3-g4" is 9-13), then the result. Comments ({...}, ";" and "%" to
// the end of the line), variations, numeric annotations and move strengths
// are read and left aside; a set-up is a FEN tag or a "/FEN "..."/" command
// before the first move.
//
// The reader refuses what it cannot read rather than guess: a game of
// another variant, a comment or variation that is not closed or a comment
// inside a comment, a stray bracket, a word that is not a move, a set-up in
// the middle of a game. A refused game does not hide the others: a comment
// or variation left open ends at the next tag line.
#pragma once

#include "exchange_game.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kv {

// Where each game starts (a byte offset), found in one pass that keeps
// nothing else, so that a file of millions of games costs four bytes each.
std::vector<std::uint32_t> indexPdnGames(std::string_view text);

// The names of the game that starts at `start`.
GameSummary pdnGameSummary(std::string_view text, std::uint32_t start);

// The game that starts at `start`, number `number` (1-based) in the file.
// Nothing, with the reason in `problem`, when it is refused.
std::optional<ParsedGame> readPdnGameAt(std::string_view text, std::uint32_t start, int number,
                                        ExchangeProblem* problem = nullptr);

// The same by index (0-based), for a text read whole.
std::optional<ParsedGame> readPdnGame(std::string_view text, int index,
                                      ExchangeProblem* problem = nullptr);
std::vector<GameSummary> listPdnGames(std::string_view text);

} // namespace kv
