// Set-up positions: what the position editor places and who plays what from
// the position, and the check a position must pass before it is played.
#pragma once

#include "rules/board.h"

#include <cstdint>

namespace kv {

struct SetupChoices {
    std::uint8_t pieceToPlace = WhiteMan; // what a click on a square puts there (Empty clears it)
    bool computerMovesFirst = false;      // "Ordinateur joue" rather than "Joueur joue"
    bool computerBlack = true;            // "Ordinateur noir" rather than "Ordinateur blanc"

    SideToMove computerSide() const { return computerBlack ? Black : White; }
    SideToMove firstToMove() const
    {
        return computerMovesFirst ? computerSide() : static_cast<SideToMove>(1 - computerSide());
    }
};

enum class SetupProblem {
    None,
    NoWhitePiece,
    NoBlackPiece,
    ManOnCrowningRow, // a man standing where it would already have been crowned
    NoMoveToPlay,     // the side to move is blocked: there would be no game
};

// Checks a set-up position for play with `toMove` to move.
SetupProblem checkSetupPosition(const Board& b, SideToMove toMove);

} // namespace kv
