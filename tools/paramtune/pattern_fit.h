// The fit of the learned pattern values: a logistic regression of the games'
// results on the evaluation without patterns plus the values of the
// position's blocks, trained by full-batch Adam with an L2 pull toward a
// prior: 0, or values fitted before, so new games refine what older games
// taught instead of starting over.
#pragma once

#include "eval/patterns.h"
#include "tune_samples.h"

#include <string>
#include <vector>

namespace kv {

// One quiet position as the fit sees it.
struct PatternExample {
    BothPatternEntries entries;
    float fullShare = 1; // weight of the full-board values, men / 24
    float base = 0;      // white's evaluation without the patterns
    float result = 0.5f;
    float target = 0.5f; // what the fit aims at: the result, or a blend with a search's verdict
};

std::vector<PatternExample> patternExamples(const std::vector<TuneSample>& samples,
                                            const ParameterSet& params);

// Blends each example's target: `share` of its result and the rest the
// expected score (by `scale`) of a search of `depth` plies of its position,
// without patterns. The searches are shared among the cores.
void blendSearchScores(std::vector<PatternExample>& examples,
                       const std::vector<TuneSample>& samples, double scale, int depth,
                       double share);

class PatternFit {
public:
    // `scale` as the parameter tuner's logistic curve; `l2` the weight of the
    // sum of the squared distances (in evaluation units) from the prior added
    // to the mean loss. The fit starts from the prior.
    PatternFit(const std::vector<PatternExample>& training, double scale, double l2,
               const PatternTable& prior = PatternTable {});

    // One step on the whole training set.
    void step(double rate);
    // The mean squared error of the expected scores, the tuner's measure.
    double error(const std::vector<PatternExample>& examples) const;
    // The values rounded, ready for the evaluation.
    PatternTable table() const;

private:
    double value(const PatternExample& x) const;

    const std::vector<PatternExample>& training_;
    double k_; // the logistic curve's slope per evaluation unit
    double l2_;
    std::vector<double> w_, m_, v_, prior_; // [2 x entry + 0 full / 1 empty]
    int steps_ = 0;
};

// The logistic scale that fits the evaluations without patterns best.
double fitPatternScale(const std::vector<PatternExample>& examples);

// The table as the evaluation's source reads it: "step,full,empty," for every
// entry not zero, the step from the entry before, a few to a line.
std::string patternSource(const PatternTable& t);

} // namespace kv
