// The engine's state: one SearchContext per program, passed by reference.
// It owns the transposition table, the hash keys, the move lists, the
// principal-variation, killer and refutation tables, the root scores and the
// evaluation state. The user interface touches only what is public here: the
// flags of `state`, the settings, the poll callback and the observer.
#pragma once

#include "engine/hash_keys.h"
#include "engine/search_info.h"
#include "engine/search_knowledge.h"
#include "engine/transposition.h"
#include "eval/evaluate.h"
#include "eval/parameters.h"
#include "rules/move.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv {

// Flags shared by the search, its driver and the commands that stop it. A
// handler running inside the poll callback sets stopRequested (and
// abortSearch when no move must be played); the search never clears them,
// the driver clears stopRequested when the next search begins. abortSearch
// stays set until its owner (record navigation) clears it.
struct SearchState {
    bool stopRequested = false;
    bool abortSearch = false;
    bool unlimitedTime = false; // thinking on the opponent's time: no time tests
    bool analysisMode = false;  // game analysis
};

// What the driver reads of the level and of the caller's limits.
struct SearchSettings {
    int levelTime
        = 160; // LevelTime, seconds for the first 30 moves; 1..9 cap the depth; 32000 no limit
    int levelCap = 178;          // LevelCap, cap on the side's total thinking time
    int fixedDepth = 0;          // > 0: stop after the iteration of this depth (tools, tests)
    std::uint32_t nodeLimit = 0; // > 0: stop at the first poll past this many nodes (tools)
    int moveTimeMs = 0; // > 0: a fixed budget of this many milliseconds instead of the level's
    bool bookEnabled = true;
};

// Receives what the search reports as it runs. Every method has an empty default.
class SearchObserver {
public:
    virtual ~SearchObserver() = default;
    // The root-move list is emptied when a search starts.
    virtual void clearRootLines() { }
    // Line `index` of the root-move list is replaced by `line` (the list
    // grows in root-list order during the first iteration).
    virtual void setRootLine(int /*index*/, const RootLine& /*line*/) { }
    // The search's depth, nodes, time, score and principal variation.
    virtual void searchInfo(const SearchInfo& /*info*/) { }
    // The side's clock should show this total of used seconds.
    virtual void clock(SideToMove /*side*/, int /*usedSeconds*/) { }
    // An iteration has ended (after its aspiration rules were applied); the
    // depth is the one searched next if the window failed.
    virtual void iterationFinished(int /*depth*/, int /*score*/) { }
};

class Searcher; // the node search and its tables (engine/searcher.h)

class SearchContext {
public:
    // The keys must be the real ones: load them with loadHashKeys or take
    // HashKeyTables::generated(). Without an explicit knowledge object the
    // search uses one that knows nothing.
    explicit SearchContext(const HashKeyTables& keys,
                           const ParameterSet& params = defaultParameters());
    SearchContext(const HashKeyTables& keys, const SearchKnowledge& knowledge,
                  const ParameterSet& params = defaultParameters());
    ~SearchContext();
    SearchContext(const SearchContext&) = delete;
    SearchContext& operator=(const SearchContext&) = delete;

    SearchState state;
    SearchSettings settings;
    // Called every 5000 or so max-node visits and once after every iteration;
    // the window passes one that processes pending events.
    std::function<void()> poll;
    SearchObserver* observer = nullptr;
    // Milliseconds of a monotonic clock from some fixed origin; replaceable
    // for tests. The time rules keep their meaning in seconds and are
    // compared against it in milliseconds.
    std::function<std::int64_t()> clockMs;

    void setKnowledge(const SearchKnowledge& knowledge);
    const SearchKnowledge& knowledge() const;
    void setParameters(const ParameterSet& params);
    Evaluator& evaluator();

    // Options menu: a size factor (0 = default 100) and its depth offset; the
    // table is reallocated empty and the index keys are re-seeded with random
    // numbers below the new number of entries (the check keys stay).
    void resizeTranspositionTable(int sizeFactor, int depthOffset);
    void clearTranspositionTable();
    const TranspositionTable& transpositionTable() const;
    int tableDepthOffset() const;
    // The ply offset alone, for a table already of the right size.
    void setTableDepthOffset(int depthOffset);

    // The keys of the transposition table (index keys re-seeded by a resize).
    const HashKeyTables& hashKeys() const;
    // The keys the learned positions are stored and looked up under: the
    // loaded ones, whatever the table size.
    HashKeyTables learnedKeys() const;
    PositionKeys keysOf(const Board& b) const;

    // What the last search left behind.
    int lastCompletedScore() const;
    void setLastCompletedScore(int score); // the analysis walk restores it
    std::uint32_t nodes() const;
    int iterationDepth() const;
    std::vector<MoveRecord> principalVariation() const; // PvTable row 1
    // The root moves in the order the last search left them (the ordered
    // root list: SearchResult::rootIndex points into it; the beginner level
    // plays its entry 1).
    std::vector<MoveRecord> rootMoves() const;
    // What the search last reported to the observer; nullptr before any report.
    const SearchInfo* lastSearchInfo() const;

    Searcher& searcher() { return *searcher_; }

private:
    std::unique_ptr<Searcher> searcher_;
};

} // namespace kv
