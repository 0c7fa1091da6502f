// kv-paramtune: fits the evaluation parameters to the results of played games.
//
//   kv-paramtune OUT.par GAMES.pdn... [--from FILE.par] [--passes N] [--pull W]
//
// Every quiet position of the games (the side to move has no capture) is a
// sample labelled with its game's result. The evaluation of a sample, taken as
// the root of a search would take it, is turned into an expected score by a
// logistic curve whose scale is fitted first; the men tables, the tempo
// weights and the phase thresholds are then moved one step at a time while the
// mean squared error over the samples falls (a coordinate descent). With a
// pull W, the error counts W times the mean squared distance of the items
// from their starting values as well. One game
// in ten is held out: its error is printed after each pass, so that a fit that
// only learns the games by heart shows. The result is written as a ".par" file
// and printed as the drawn tables of the parameters' source.
#include "eval/evaluate.h"
#include "files/exchange.h"
#include "files/replay.h"
#include "tune_samples.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kv;

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: kv-paramtune OUT.par GAMES.pdn... [--from FILE.par] [--passes N] "
                 "[--pull W]\n");
    return 2;
}

void printTables(const ParameterSet& p)
{
    static const char* names[kMenTables]
        = { "kOpening",         "kMiddle",         "kPreEndgame",      "kEndgame",
            "kOpeningVariant1", "kMiddleVariant1", "kOpeningVariant2", "kMiddleVariant2" };
    for (int t = 0; t < kMenTables; ++t) {
        std::printf("constexpr Drawn %s { {\n", names[t]);
        for (int row = 7; row >= 0; --row) {
            std::printf("    {");
            for (int j = 0; j < 4; ++j)
                std::printf(" %d%s", p.tableEntry(t, row * 4 + 4 - j), j < 3 ? "," : "");
            std::printf(" },\n");
        }
        std::printf("} };\n");
    }
    std::printf("thresholds %d %d %d\ntempo", p.threshold(0), p.threshold(1), p.threshold(2));
    for (int i = 0; i < 8; ++i) std::printf(" %d", p.tempoWeight(i));
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return usage();
    const std::string out = argv[1];
    std::vector<std::string> games;
    ParameterSet start = defaultParameters();
    int passes = 6;
    double pull = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--from" && i + 1 < argc) {
            if (!loadParameters(start, argv[++i], [](const std::string& m) {
                    std::fprintf(stderr, "%s\n", m.c_str());
                }))
                return 2;
        } else if (a == "--passes" && i + 1 < argc) {
            passes = std::atoi(argv[++i]);
        } else if (a == "--pull" && i + 1 < argc) {
            pull = std::atof(argv[++i]);
            if (!(pull >= 0)) return usage(); // a negative pull would push values away
        } else if (a.rfind("--", 0) == 0) {
            return usage();
        } else {
            games.push_back(a);
        }
    }

    std::string why;
    const std::optional<SampleSet> loaded = readSampleSet(games, why);
    if (!loaded) {
        std::fprintf(stderr, "kv-paramtune: %s\n", why.c_str());
        return 2;
    }
    const SampleSet& samples = *loaded;
    std::printf("%zu training samples, %zu held out, from %d games\n", samples.training.size(),
                samples.heldOut.size(), samples.games);
    if (samples.training.empty()) return 2;

    TuneObjective objective(samples);
    objective.fitScale(start);
    std::printf("logistic scale %.5f\n", objective.scale());
    const std::vector<TunedItem> items = tunedItems();
    const auto cost = [&](const ParameterSet& p) {
        return objective.error(p, samples.training) + pull * distanceFrom(p, start, items);
    };
    ParameterSet best = start;
    double bestError = cost(best);
    std::printf("start: training %.6f held out %.6f\n", bestError,
                objective.error(best, samples.heldOut));

    for (int pass = 1; pass <= passes; ++pass) {
        int changed = 0;
        for (const TunedItem& item : items) {
            for (int direction : { +1, -1 }) {
                ParameterSet trial = best;
                if (!item.step(trial, direction * item.stepSize)) continue;
                const double e = cost(trial);
                if (e < bestError) {
                    best = trial, bestError = e, ++changed;
                    break;
                }
            }
        }
        // The errors alone, without the pull, so that passes compare with the start.
        std::printf("pass %d: %d changes, training %.6f held out %.6f\n", pass, changed,
                    objective.error(best, samples.training),
                    objective.error(best, samples.heldOut));
        std::fflush(stdout);
        if (!saveParameters(best, out,
                            [](const std::string& m) { std::fprintf(stderr, "%s\n", m.c_str()); }))
            return 2;
        if (changed == 0) break;
    }
    printTables(best);
    return 0;
}
