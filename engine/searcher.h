// Internal to the engine: the node search and the tables it works on. One
// Searcher lives inside each SearchContext; the driver prepares it for a
// root position and calls maxNode(alpha, beta, 1) once per iteration.
//
// Scores are always from the root side's view: maxNode handles the odd plies
// (the root side to move) and keeps the largest child score, minNode the even
// plies and the smallest. Positions are copied into node frames and copied
// back after every move; nothing is unmade.
#pragma once

#include "engine/repetition_trail.h"
#include "engine/scores.h"
#include "engine/search_context.h"
#include "engine/transposition.h"
#include "rules/movegen.h"
#include "rules/record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kv {

constexpr int kPlyTables = kMaxPly + 2; // plies 0..35, so ply + 1 never leaves a table

// Everything a node saves before its move loop and copies back after each move.
struct NodeFrame {
    Board board;
    PieceCounts counts;
    EvalSums sums;
    PositionKeys keys;
    std::uint32_t learnedIndex = 0;   // index key under the learned positions' own keys
    std::int32_t materialBalance = 0; // won minus lost since the root: man 1, king 3, promotion 2
    // Plies taken off the depth: the root move's 0, -1 or -2 plus -1 for each
    // late move reduced on the path.
    std::int32_t rootReduction = 0;
    std::int16_t promotionExtension = 0;
    std::uint8_t quietPlyCount = 0;
    std::uint8_t reversiblePlies = 0; // king moves without captures in a row, the game's included
};

struct KillerSlot {
    Square from = 0, to = 0;
    int score = 0;
};

struct RootMoveLine {
    Square from = 0, to = 0;
    int score = 0;
};

class Searcher {
public:
    Searcher(const HashKeyTables& keys, const ParameterSet& params);

    // ---- owned tables and settings ----
    HashKeyTables keys;
    // The index keys the learned positions were stored under: a table resize
    // re-seeds `keys.index`, never these.
    std::array<std::uint32_t, kHashKeyCount> learnedIndex {};
    TranspositionTable tt;
    int depthOffset = 0;
    Evaluator evaluator;
    mutable EvalCache evalCache; // filled by evaluate; emptied at the start of every search
    SearchKnowledge noKnowledge;
    const SearchKnowledge* knowledge = &noKnowledge;
    MoveGenerator gen;

    // ---- links to the context, set by the driver ----
    SearchState* state = nullptr;
    SearchObserver* observer = nullptr;
    const std::function<void()>* poll = nullptr;
    const std::function<std::int64_t()>* clockMs = nullptr;
    const GameRecord* record = nullptr;

    // ---- search state ----
    RepetitionTrail repetitions;
    NodeFrame pos; // the position being searched and its incremental terms
    SideToMove rootSide = White, opponentSide = Black;
    int iterationDepth = 0;
    std::uint32_t nodes = 0;
    std::uint32_t nodeLimit = 0; // 0: none
    std::uint32_t pollCounter = 0;
    int gamePly = 0;
    int gamePhase = 0;
    bool pvPath = false;
    Square hashFrom = 0, hashTo = 0;
    std::uint32_t advancedMax = 0, advancedMin = 0; // AdvancedManFlag, one per node kind
    Square lastMoveSquare = 0;
    std::uint8_t rootMovePiece = 0;
    int bestRootMove = 0;
    int iterationBestRootMove = 0;
    int lastCompletedScore = 0;
    int previousScoreNegated = 0;
    int rootEvaluation = 0;
    int analysisEndPly = 0;
    Square playedFrom = 0, playedTo = 0;
    std::array<std::uint8_t, kPlyTables> extensionCount {};

    // Time in milliseconds: clock - startReference is the side's total used time.
    std::int64_t startReference = 0;
    std::int64_t usedAtStart = 0;
    std::int64_t sideUsed = 0;
    std::int64_t hardTimeLimit = 0; // this move's limit
    std::int64_t totalTimeCap = 0;  // the side's total
    std::int32_t sideUsedSeconds() const { return static_cast<std::int32_t>(sideUsed / 1000); }

    // ---- ordering and principal-variation tables ----
    std::array<std::array<MoveRecord, kPlyTables>, kPlyTables> pv {};
    std::array<std::array<KillerSlot, 2>, kPlyTables> killers {};
    std::array<KillerSlot, kPlyTables> refutations {};
    // Cut-offs by quiet moves, weighted by the depth left: [colour][from][to].
    static constexpr int kHistoryCeiling = 28000;
    std::array<std::array<std::array<int, kSquares + 1>, kSquares + 1>, 2> history {};
    std::array<RootScore, kMaxMoves> rootScores {}; // one per root move, list order
    int rootScoreCount = 0;
    SearchInfo info; // what was last reported to the observer
    bool infoReported = false;
    std::mt19937 rng; // picks among book moves

    // ---- the search ----
    std::optional<int> probeTable(int ply, int firstScoredPly, int tableLimit,
                                  TableUse (*use)(int, int, int, int, int), int& alpha, int& beta);
    int maxNode(int alpha, int beta, int ply);
    int minNode(int alpha, int beta, int ply);
    void makeSearchMove(const MoveRecord& m, int ply);
    // Starts loading the table slot of the position after list[i] (when
    // there is one), so that it is at hand once the move before it is searched.
    void prefetchAfter(const MoveList& list, int i) const;
    void storePrincipalVariation(const MoveRecord& m, int ply);
    void emptyKillers(int ply); // both killer slots and the refutation
    void emptyKillerSlots(int ply);
    void seedKillers(int length);
    void storeKiller(const MoveRecord& m, int ply, int score);
    void storeRefutation(const MoveRecord& m, int ply);
    void orderByKillers(MoveList& list, int ply);
    // Quiet move i of the list caused a cut-off: it gains, the moves before it lose.
    void rewardHistory(const MoveList& list, int i, int ply);
    // Plies taken off the null-window search of move i of a node `draft`
    // plies from its horizon.
    int lateMoveReduction(int i, int draft, bool captures, bool advancing) const;
    void ageHistory(); // a new search: the old counts weigh less
    // Whether the quiet moves of a node without captures, `draft` plies from
    // its horizon, may be skipped after the first: its evaluation with a
    // margin stays at or below alpha (max node) or at or above beta (min
    // node). `bound` is then the score the skipped moves are taken to reach.
    bool futileNode(int ply, int draft, int alpha, int beta, bool maxSide, int& bound) const;

    int evaluate(int ply, int alpha, int beta) const;
    // The ply where the search of the current node stops: the iteration depth
    // moved by the node's capture plies, reduction and promotion extension.
    int horizon(int ply) const
    {
        return iterationDepth + extensionCount[ply] + pos.rootReduction + pos.promotionExtension;
    }
    int sideAt(int ply) const { return (ply & 1) ? rootSide : opponentSide; }
    int pieceCount() const { return pos.counts.white() + pos.counts.black(); }
    void reportInfo(int score, int depthShown);
    void pollNow();
    void reportRootLine(int i, const MoveRecord& m, int score, bool searching);

private:
    std::optional<int> knowledgeScore(int ply, bool maxSide);
    std::optional<int> forwardPrune(bool maxSide, int ply, int alpha, int beta, bool& skip);
    OrderingContext orderingFor(int ply);
    bool repeatsAtRoot(const MoveRecord& m, const Board& after) const;
    // Records the node's position on the path; true when it repeats one of
    // the path or the game (never at the root).
    bool repeatsEarlierPosition(int ply);
};

} // namespace kv
