// SearchDriver: chooses the move for the side to move. It answers at once
// when the game is over, when one move is legal or from the opening library,
// and otherwise deepens iteratively with an aspiration window until the time
// budget, the level's depth cap, a found win or a stop request ends it.
#pragma once

#include "engine/scores.h"
#include "engine/search_context.h"
#include "rules/record.h"

#include <functional>
#include <vector>

namespace kv {

// One call's inputs: the position and what the game knows around it.
struct SearchRequest {
    Board board;
    SideToMove side = White;
    int gamePly = 0;                            // plies played so far
    std::array<std::int32_t, 2> usedSeconds {}; // each side's total thinking time
    // When set (>= 0), the side's thinking time to the millisecond; callers
    // that keep their clocks finer than seconds pass it.
    std::int64_t usedMs = -1;
    // Entries 0..gamePly of the game record, for the repetition rule at the
    // root; nullptr disables the rule.
    const GameRecord* record = nullptr;
    // The opening library's moves for the position; empty: no library.
    std::function<std::vector<BookMove>(const Board&, SideToMove)> book;
    // Game analysis: the ply where the analysis ends and the move actually
    // played from this position (searched no further: it scores minus the
    // previous score).
    int analysisEndPly = 0;
    Square playedFrom = 0, playedTo = 0;
};

enum class SearchOutcome {
    Searched, // the move was chosen by searching
    Book,     // taken from the opening library
    OnlyMove, // the single legal move, not searched (result code 254)
    NoMove,   // a side has no piece or the side to move no move (result code 100)
    Aborted,  // abortSearch was set: no move is to be played
};

struct SearchResult {
    SearchOutcome outcome = SearchOutcome::NoMove;
    int code = 100;      // the result byte: root-list index, 100 or 254
    int rootIndex = -1;  // index in the search's ordered ply-1 list
    int legalIndex = -1; // index in MoveGenerator::generateLegal order for the same position
    MoveRecord move;     // the chosen move (valid when legalIndex >= 0)
    int score = 0;       // last completed score, search units (200 = a man)
    int depth = 0;       // last iteration depth reached
    std::uint32_t nodes = 0;
    bool aborted = false;
    std::int32_t usedSeconds = 0; // the side's total used time when the search ended
};

// Runs the whole driver. Not re-entrant: a caller that needs a new search
// while one runs sets state.stopRequested and waits for this to return.
SearchResult searchDriver(SearchContext& ctx, const SearchRequest& request);

// The time budget of one move in milliseconds, from the level's seconds.
struct TimeBudget {
    std::int64_t target = 0;   // TargetTime
    std::int64_t hard = 0;     // HardTimeLimit: 2 x target in a game, 5 x in analysis and
                               // at the levels set by depth
    std::int64_t totalCap = 0; // TotalTimeCap
};
// `usedMs`: the side's thinking time so far. A game's move aims at 7/10 of
// what is left of the time period shared by the side's moves still to play
// in it; the rules of whole seconds (LevelTime / 10, a floor of one second,
// ...) are computed to the millisecond.
TimeBudget allocateTime(int levelTime, int levelCap, int gamePly, std::int64_t usedMs,
                        bool analysisMode, bool unlimitedTime);

// The aspiration window between iterations: half-width 250 around the last
// score; a failure repeats the depth once with the window open on the failing
// side, a second failure opens it fully and the next depth follows.
struct AspirationWindow {
    int alpha = -kWinScore, beta = kWinScore;
    bool research = false;
    int instability = 0; // 1 after a failure until an iteration ends inside its window
};
// Applies an iteration's score; returns true when the same depth is to be
// searched again.
bool updateAspiration(AspirationWindow& w, int score);

} // namespace kv
