// Whether the user has solved a problem: judged from the game as it stands,
// so a take-back to the start opens the problem again.
#pragma once

#include "rules/game_state.h"
#include "training/problem_source.h"

namespace kv {

enum class ProblemVerdict {
    Waiting,   // no move played yet
    KeyPlayed, // the right first move; the goal is not reached yet
    Solved,    // the goal is reached after the right first move
    Missed,    // another first move, or the game ended short of the goal
};

// `gameOver`: the game has ended (a draw, a resignation, no move).
ProblemVerdict judgeProblem(const ProblemEntry& p, const GameState& g, bool gameOver);

} // namespace kv
