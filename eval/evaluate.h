// The evaluation: a score in 1/200 of a man from the root side's view.
#pragma once

#include "eval/parameters.h"
#include "rules/board.h"
#include "rules/move.h"

#include <array>
#include <cstdint>

namespace kv {

// The sums the search keeps current move by move, from the root side's view.
// They live in the search's node frames and are copied, never unmade.
struct EvalSums {
    std::int32_t positional = 0;
    std::int32_t advance = 0;
    std::array<std::int8_t, 5> zoneOwn {}, zoneOpp {};
    std::int8_t centreOwn = 0, centreOpp = 0;
    bool operator==(const EvalSums&) const = default;
};

// What an evaluation reads of the node being evaluated.
struct EvalNode {
    const Board& board;
    const PieceCounts& counts;
    int ply;                  // 1 at the root; the root side moves at odd plies
    Square lastMoveSquare;    // destination of the last move on the current path
    std::uint8_t rootMovePiece; // piece code on the from-square of the root move
    const EvalSums& sums;
};

// Owns the root-time state of the evaluation (phase, variant, active tables);
// one per search context.
class Evaluator {
public:
    explicit Evaluator(const ParameterSet& params);

    void setParameters(const ParameterSet& params);
    const ParameterSet& parameters() const { return params_; }

    // First half of the root preparation: phase, variant and men table.
    void preparePhase(const Board& b, const PieceCounts& c);
    // Second half: king table, then the sums from scratch for root side e.
    EvalSums prepareSums(const Board& b, const PieceCounts& c, SideToMove e);
    // The sums from scratch with the tables as they stand (for checking the
    // search's incremental updates).
    EvalSums computeSums(const Board& b, SideToMove e) const;
    // The incremental update for a move played on `before`, from e's view.
    void updateSums(EvalSums& sums, const Board& before, const MoveRecord& m, SideToMove e) const;

    int evaluate(const EvalNode& node, SideToMove e, int alpha, int beta) const;

    // For display: ply 2, fresh king table and sums, full window.
    int staticEvaluation(const Board& b, SideToMove e);

    int gamePhase() const { return gamePhase_; }

private:
    ParameterSet params_;
    int gamePhase_ = 0;
    std::array<std::uint8_t, 33> manTable_ {};
    std::array<std::uint8_t, 33> kingTable_ {};
};

} // namespace kv
