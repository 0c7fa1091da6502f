// What the window says about a game the exchange readers refuse: which game,
// where in the file, and why, in the user's language (the detail the reader
// gives, such as the move as written, follows as it is).
#pragma once

#include "files/exchange_game.h"

#include <QString>

namespace kv {

QString refusalMessage(const ExchangeProblem& problem);

} // namespace kv
