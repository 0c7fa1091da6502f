// The short text a game is exported as, line ends CR LF:
//
//     Dupont-Korvelan  2-0
//     Korvelan144
//      1.10-14 23-19   2.14x23 27x18   3. ...
//
// the names and the result ("  2-0", "  1-1", "  0-2", or one space when the
// game has none), a fixed second line, then the move-list lines of every ply
// up to the current position, four to a line, each followed by two spaces; a
// last white half-move stands alone (" 5.22-18 "). Names that hold a dash are
// joined by " - " instead.
#pragma once

#include "exchange_game.h"

#include "rules/game_state.h"

#include <string>

namespace kv {

inline constexpr const char* kTextExportMark = "Korvelan144";

std::string exportText(const GameState& game, GameResult result);

// The move-list line of move `index` (0-based) up to the current position:
// " 1.10-14 23-19", or " 1.10-14 " when black has not answered yet.
std::string recordLineText(const GameState& game, int index);
int recordLineCount(const GameState& game);

// "White-Black", or "White - Black" when a name holds a dash.
std::string headerNames(const std::string& white, const std::string& black);

} // namespace kv
