#include "time_rules.h"

#include "scores.h"

#include <algorithm>
#include <cstdlib>

namespace kv {

IterationTimer::IterationTimer(std::int64_t target, std::int64_t hard)
    : target_(target), hard_(hard)
{
}

void IterationTimer::iterationDone(std::int64_t elapsed, int bestMove, int score)
{
    lengthBefore_ = lastLength_;
    lastLength_ = std::max<std::int64_t>(elapsed - lastEnd_, 0);
    lastEnd_ = elapsed;
    if (iterations_ > 0) {
        const bool changed = bestMove != bestMove_;
        const bool judged = std::abs(score) < kDecidedScore && std::abs(score_) < kDecidedScore;
        scoreDrop_ = judged ? std::max(score_ - score, 0) : 0;
        // Each change of the best move adds to the unrest, which halves with
        // every iteration that follows.
        unrest_ = unrest_ / 2 + (changed ? 60 : 0);
        steady_ = !changed && scoreDrop_ < 20 ? steady_ + 1 : 0;
    }
    ++iterations_;
    bestMove_ = bestMove;
    score_ = score;
}

std::int64_t IterationTimer::budget() const
{
    int scale = 100 + unrest_;
    if (scoreDrop_ >= 100) scale += 100;
    else if (scoreDrop_ >= 30) scale += 50;
    if (steady_ >= 5 && unrest_ < 10) scale -= 30;
    return std::min(target_ * scale / 100, hard_ * 9 / 10);
}

bool IterationTimer::startAnother(std::int64_t elapsed) const
{
    const std::int64_t allowed = budget();
    if (elapsed >= allowed) return false;
    // Each iteration takes a few times the one before; the ratio of the last
    // two predicts the next once they are long enough to be measured. One
    // iteration can take many times the one before when the best move is
    // hard to hold, which says little of the next: the ratio counts up to 4.
    double growth = 2.0;
    if (lengthBefore_ >= 4)
        growth = std::clamp(double(lastLength_) / double(lengthBefore_), 1.5, 4.0);
    const std::int64_t expectedEnd
        = elapsed + static_cast<std::int64_t>(double(lastLength_) * growth);
    return expectedEnd <= allowed * 3 / 2 && expectedEnd <= hard_;
}

} // namespace kv
