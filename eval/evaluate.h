// The evaluation: a score in 1/200 of a man from the root side's view.
#pragma once

#include "eval/eval_cache.h"
#include "eval/parameters.h"
#include "eval/patterns.h"
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
    int ply;                    // 1 at the root; the root side moves at odd plies
    Square lastMoveSquare;      // destination of the last move on the current path
    std::uint8_t rootMovePiece; // piece code on the from-square of the root move
    const EvalSums& sums;
    // Where the costly terms of recent nodes are kept, and this node's board
    // key; without a cache every evaluation computes them.
    EvalCache* cache = nullptr;
    std::uint64_t key = 0;
};

// The value of every term of one evaluation, for korvelan-cli eval and the
// tests. All values are from the evaluating side's view.
struct EvalTrace {
    int kingValue = 0; // value of one king at this node
    int material = 0;
    bool lazyExit = false; // material alone was returned
    int longDiagonal = 0;
    int positional = 0; // the incremental square-table sum
    int tempo = 0;
    int centreZones = 0;     // centre columns and zone balance (more than t2 pieces)
    int positionalEarly = 0; // the positional part after the first clamp
    int openingZones = 0;    // zone confrontation of the opening
    int runawayMen = 0;
    int breakthrough = 0;
    int formations = 0;
    int manStructure = 0;
    int patterns = 0; // the learned patterns, outside the positional bound
    int lastMoveEnPrise = 0;
    int positionalClamped = 0; // the positional part after its last clamp
    int endgameMenBonus = 0;
    int specialEndings = 0; // change made by the special endings
    int drawish = 0;        // change made by the drawish-ending division
    int total = 0;
};

// Owns the root-time state of the evaluation (phase, variant, active tables);
// one per search context.
class Evaluator {
public:
    explicit Evaluator(const ParameterSet& params);

    void setParameters(const ParameterSet& params);
    const ParameterSet& parameters() const { return params_; }
    // With or without the learned pattern values.
    void usePatterns(bool on) { patterns_ = on ? &learnedPatternDifferences() : nullptr; }

    // First half of the root preparation: phase, variant and men table.
    void preparePhase(const Board& b, const PieceCounts& c);
    // Second half: king table, then the sums from scratch for root side e.
    EvalSums prepareSums(const Board& b, const PieceCounts& c, SideToMove e);
    // The sums from scratch with the tables as they stand (for checking the
    // search's incremental updates).
    EvalSums computeSums(const Board& b, SideToMove e) const;
    // The incremental update for move m about to be played on `before`, from
    // e's view: the mover's terms leave its origin, every captured piece's
    // terms go, and the mover's terms arrive at its destination, a crowned
    // man in the king table. Afterwards the sums equal computeSums of the
    // board after the move.
    void updateSums(EvalSums& sums, const Board& before, const MoveRecord& m, SideToMove e) const;

    int evaluate(const EvalNode& node, SideToMove e, int alpha, int beta) const;
    // The same evaluation, filling `trace` with the value of each term.
    int evaluate(const EvalNode& node, SideToMove e, int alpha, int beta, EvalTrace& trace) const;

    // For display: ply 2, fresh king table and sums, full window.
    int staticEvaluation(const Board& b, SideToMove e);
    // The same with the phase and men table a search from `b` would choose,
    // leaving this evaluator as it is: what a position is worth before any
    // search has prepared the tables for it.
    int evaluationForSearchFrom(const Board& b, SideToMove e) const;

    int gamePhase() const { return gamePhase_; }
    // Opening variant 1 or 2 in force; they survive from one search to the next.
    bool variant(int v) const { return v == 1 ? variant1_ : variant2_; }
    const std::array<std::uint8_t, 33>& manTable() const { return manTable_; }
    const std::array<std::uint8_t, 33>& kingTable() const { return kingTable_; }

private:
    // What one piece adds to the sums, from one root side's view, with the
    // tables in force: built whenever a table changes, so that the update
    // the search makes at every move is a few table reads.
    struct PieceTerms {
        std::int16_t positional = 0; // already signed: + own piece, - enemy piece
        std::int8_t advance = 0;     // signed like `positional`; 0 for a king
        std::uint8_t zone = 0;       // zone of a man; a king touches none...
        std::int8_t zoneStep = 0;    // ...so it steps its zone by 0, a man by 1
        std::int8_t centre = 0;      // column weight of a man, 0 for a king
        bool own = false;            // counted in the own zones and centre
    };
    using PieceTermTable = std::array<std::array<PieceTerms, 33>, 5>; // [code][square]

    void buildPieceTerms();

    // The knowledge terms and learned patterns, white's view; the two
    // structure terms also apart when asked.
    CostlyTerms costlyTerms(const Board& b, const PieceCounts& c, bool whiteToMove,
                            int* formations = nullptr, int* manStructure = nullptr) const;
    template <bool Traced>
    int evaluateImpl(const EvalNode& node, SideToMove e, int alpha, int beta,
                     EvalTrace* trace) const;
    void buildKingTable(const PieceCounts& c);
    void fillKingTable(const PieceCounts& c);
    bool variantHolds(int v, const Board& b) const;
    int kingValue(int pieces, int kings) const;
    int tempoWeight(int men) const;

    ParameterSet params_;
    int gamePhase_ = 0;
    bool variant1_ = false;
    bool variant2_ = false;
    std::array<std::uint8_t, 33> manTable_ {};
    std::array<std::uint8_t, 33> kingTable_ {};
    std::array<PieceTermTable, 2> pieceTerms_ {};                 // [root side]
    const PatternTable* patterns_ = &learnedPatternDifferences(); // folded
};

} // namespace kv
