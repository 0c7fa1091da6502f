// kv-patterntune: fits the learned pattern values to the results of played games.
//
//   kv-patterntune OUT.inc GAMES.pdn... [--steps N] [--l2 W] [--rate R]
//                  [--depth D --share S] [--prior]
//
// The samples are the parameter tuner's: every quiet position of the games,
// one game in ten held out. The values are fitted to what the evaluation
// without patterns leaves unexplained; the held-out error is printed as the
// fit goes, so that a fit that learns the games by heart shows. With a depth
// D and a share S below 1, each training position aims at S of its game's
// result and the rest at the verdict of a D-ply search of it, which is less
// noisy than a result decided many moves later. With --prior the fit starts
// from the shipped values and pulls toward them instead of toward 0, so that
// games played since refine them. The result is written as the
// lines of eval/pattern_weights.inc. The shipped values came from
//
//   kv-patterntune pattern_weights.inc GAMES.pdn... --steps 300 --l2 3e-10 --depth 6 --share 0.5
#include "eval/parameters.h"
#include "io/atomic_write.h"
#include "pattern_fit.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kv;

namespace {
int usage()
{
    std::fprintf(stderr,
                 "usage: kv-patterntune OUT.inc GAMES.pdn... [--steps N] [--l2 W] [--rate R] "
                 "[--depth D --share S] [--prior]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return usage();
    const std::string out = argv[1];
    std::vector<std::string> games;
    int steps = 300, depth = 0;
    double l2 = 1e-9, rate = 1.0, share = 1.0;
    bool prior = false; // start from the shipped values and pull toward them
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--steps" && i + 1 < argc) steps = std::atoi(argv[++i]);
        else if (a == "--l2" && i + 1 < argc) l2 = std::atof(argv[++i]);
        else if (a == "--rate" && i + 1 < argc) rate = std::atof(argv[++i]);
        else if (a == "--depth" && i + 1 < argc) depth = std::atoi(argv[++i]);
        else if (a == "--share" && i + 1 < argc) share = std::atof(argv[++i]);
        else if (a == "--prior") prior = true;
        else if (a.rfind("--", 0) == 0) return usage();
        else games.push_back(a);
    }
    if (!(l2 >= 0) || !(rate > 0) || steps < 1 || depth < 0 || depth > 30 || !(share >= 0)
        || share > 1)
        return usage();

    std::string why;
    const std::optional<SampleSet> loaded = readSampleSet(games, why);
    if (!loaded) {
        std::fprintf(stderr, "kv-patterntune: %s\n", why.c_str());
        return 2;
    }
    const SampleSet& samples = *loaded;
    std::printf("%zu training samples, %zu held out, from %d games\n", samples.training.size(),
                samples.heldOut.size(), samples.games);
    if (samples.training.empty()) return 2;
    const ParameterSet params = defaultParameters();
    std::vector<PatternExample> training = patternExamples(samples.training, params);
    const std::vector<PatternExample> heldOut = patternExamples(samples.heldOut, params);
    const double scale = fitPatternScale(training);
    std::printf("logistic scale %.5f\n", scale);
    if (depth > 0 && share < 1) {
        blendSearchScores(training, samples.training, scale, depth, share);
        std::printf("targets blended with searches of %d plies\n", depth);
    }

    PatternFit fit(training, scale, l2, prior ? learnedPatterns() : PatternTable {});
    std::printf("start: training %.6f held out %.6f\n", fit.error(training), fit.error(heldOut));
    for (int s = 1; s <= steps; ++s) {
        fit.step(rate);
        if (s % 25 == 0 || s == steps) {
            std::printf("step %d: training %.6f held out %.6f\n", s, fit.error(training),
                        fit.error(heldOut));
            std::fflush(stdout);
        }
    }
    const WriteResult written = writeFileAtomically(out, patternSource(fit.table()));
    if (!written.ok()) {
        std::fprintf(stderr, "kv-patterntune: %s %s\n", written.path.c_str(),
                     describe(written).c_str());
        return 2;
    }
    return 0;
}
