// Printing the game: the names at the top, the moves below, on as many pages
// as they need (files/print_layout.h places them). The same routine draws on
// a printer, into a PDF and into the print preview.
#pragma once

#include "rules/game_state.h"

class QPrinter;

namespace kv {

// False when the printer cannot start, such as a PDF that cannot be written.
bool printGame(QPrinter& printer, const GameState& game);

} // namespace kv
