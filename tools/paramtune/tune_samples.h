// Samples and the error measure of the parameter tuner.
#pragma once

#include "eval/parameters.h"
#include "rules/board.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kv {

class Evaluator;

// A quiet position of a played game and that game's result for white
// (1 a win, 0.5 a draw, 0 a loss).
struct TuneSample {
    Board board;
    SideToMove side = White;
    float result = 0.5f;
};

// Every tenth game goes to the held-out samples, the others train.
struct SampleSet {
    std::vector<TuneSample> training, heldOut;
    int games = 0;
};

// Adds the quiet positions of every finished game of a PDN or text file:
// the positions where the side to move has no capture, from the first one
// after the opening moves (`skipPlies`). Returns false with a reason when
// the file cannot be read.
bool addGameSamples(SampleSet& set, const std::string& path, std::string& why, int skipPlies = 6);

// The samples of all the files, or nothing with "FILE: reason" of the first
// file that cannot be read.
std::optional<SampleSet> readSampleSet(const std::vector<std::string>& paths, std::string& why);

// Runs `part(p, parts)` for p = 0..parts - 1, one part a core, and waits.
template <class F> void onEveryCore(std::size_t items, F part)
{
    const std::size_t parts = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                      std::max<std::size_t>(items, 1));
    std::vector<std::thread> helpers;
    for (std::size_t p = 1; p < parts; ++p) helpers.emplace_back(part, p, parts);
    part(0, parts);
    for (std::thread& t : helpers) t.join();
}

// The logistic scale in 0.01..4 where `error` (smooth, one minimum) is least:
// a golden-section search.
double bestScale(const std::function<double(double)>& error);

// The evaluation of a sample from white's view, as the root of a search
// would see it: phase, opening variant and tables chosen for the position.
int whiteEvaluation(Evaluator& ev, const TuneSample& s);

// The mean squared error between the results and the logistic curve of the
// evaluations, 1 / (1 + 10^(-scale x eval / 400)), shared among the
// machine's cores.
class TuneObjective {
public:
    explicit TuneObjective(const SampleSet& set) : set_(set) { }
    // Chooses the scale that fits `params` best on the training samples.
    void fitScale(const ParameterSet& params);
    double scale() const { return scale_; }
    double error(const ParameterSet& params, const std::vector<TuneSample>& samples) const;

private:
    const SampleSet& set_;
    double scale_ = 0.5;
};

// One tuned item of the set with its bounds; `step` moves it by `delta` and
// returns false when that would leave the bounds (or break the order of the
// phase thresholds).
struct TunedItem {
    int offset = 0;
    int stepSize = 1;
    bool step(ParameterSet& p, int delta) const;
    int value(const ParameterSet& p) const;
};
// The men tables' squares 1..28 (29..32 hold no man), the tempo weights and
// the three phase thresholds.
std::vector<TunedItem> tunedItems();

// The mean squared difference of the tuned items of `p` from those of `from`.
// The fit adds it, weighted, to the error: a value moves away from where it
// started only for a clear gain, so the tables stay smooth.
double distanceFrom(const ParameterSet& p, const ParameterSet& from,
                    const std::vector<TunedItem>& items);

} // namespace kv
