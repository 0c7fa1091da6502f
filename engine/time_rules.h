// How a move's time is spent between the iterations of a timed search. The
// budget starts at the move's target and grows while the search is unsure
// (the best move changes, the score drops), shrinks while one move stays best
// with a steady score; a new iteration starts only when it can be expected to
// end within the budget, so a move does not run to several times its target.
#pragma once

#include <cstdint>

namespace kv {

class IterationTimer {
public:
    // `target` is the move's target and `hard` the limit at which the poll
    // stops the search, both in milliseconds of the move's own time.
    IterationTimer(std::int64_t target, std::int64_t hard);

    // An iteration has ended `elapsed` ms into the move with this best root
    // move (any number naming it, such as from * 64 + to) and score, in
    // search units (200 = a man). A pass repeated for the aspiration window
    // counts as an iteration of its own.
    void iterationDone(std::int64_t elapsed, int bestMove, int score);

    // The time the move may use now, never beyond nine tenths of the hard limit.
    std::int64_t budget() const;

    // Whether another iteration may start at `elapsed` ms: the time is within
    // the budget and the next iteration, expected to take the last one's time
    // times the growth seen between the last two (1.5 to 4), ends within half
    // as much again as the budget and before the hard limit.
    bool startAnother(std::int64_t elapsed) const;

private:
    std::int64_t target_, hard_;
    std::int64_t lastEnd_ = 0;      // when the last iteration ended
    std::int64_t lastLength_ = 0;   // how long it took
    std::int64_t lengthBefore_ = 0; // how long the one before took
    int iterations_ = 0;
    int bestMove_ = -1;
    int score_ = 0;
    int unrest_ = 0;    // hundredths of target added by recent changes of the best move
    int scoreDrop_ = 0; // how far the last score fell below the one before (0 when it rose)
    int steady_ = 0;    // iterations in a row with the same best move and no fall of the score
};

} // namespace kv
