// Games read from plain text: a collection of games separated by empty lines,
// each with a header line "White-Black" (a result such as "  2-0" may
// follow) and move text from "1." on, written as the export writes it or as
// people type it: " 1.10-14 23-19  2.14x23 27x18", "1. 9-13 22-18",
// letter-and-digit squares ("C3-D4"), capture chains ("22x15x8").
//
// Only the first 64000 characters count, and a NUL ends the text.
#pragma once

#include "exchange_game.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr std::size_t kTextLimit = 64000;

std::vector<GameSummary> listTextGames(std::string_view text);

// Game `index` (0-based) of the collection; nothing when there is no such game.
std::optional<ParsedGame> readTextGame(std::string_view text, int index);

} // namespace kv
