#include "commands.h"

#include "eval/evaluate.h"

#include <cstdio>

namespace kv::cli {

namespace {
// Evaluates the position as the root of a search would: phase and tables are
// chosen for it, and the side to move is the evaluating side.
int runEval(const Args& args)
{
    ParameterSet params = defaultParameters();
    if (args.size() == 3 && args[1] == "--params") {
        std::string why;
        if (!loadParameters(params, args[2], [&why](const std::string& m) { why = m; }))
            return error(args[2] + ": " + why);
    } else if (args.size() != 1) {
        return error("usage: eval FEN [--params FILE]");
    }
    auto pos = fenArgument(args[0]);
    if (!pos) return kUsageError;

    const Board& b = pos->board;
    const PieceCounts c = PieceCounts::of(b);
    Evaluator ev(params);
    ev.preparePhase(b, c);
    const EvalSums sums = ev.prepareSums(b, c, pos->side);
    EvalTrace t;
    const int total = ev.evaluate(EvalNode { b, c, 1, 0, 0, sums }, pos->side, -32000, 32000, t);

    std::printf("side to move      %s\n", pos->side == White ? "white" : "black");
    std::printf("phase             %d%s\n", ev.gamePhase(),
                ev.variant(1) ? " (variant 1)" : ev.variant(2) ? " (variant 2)" : "");
    std::printf("king value        %d\n", t.kingValue);
    std::printf("material          %d\n", t.material);
    std::printf("positional sum    %d\n", t.positional);
    std::printf("tempo             %d\n", t.tempo);
    std::printf("centre and zones  %d\n", t.centreZones);
    std::printf("opening zones     %d\n", t.openingZones);
    std::printf("long diagonal     %d\n", t.longDiagonal);
    std::printf("formations        %d\n", t.formations);
    std::printf("structure         %d\n", t.manStructure);
    std::printf("positional part   %d (after clamps)\n", t.positionalClamped);
    std::printf("runaway men       %d\n", t.runawayMen);
    std::printf("breakthrough      %d\n", t.breakthrough);
    std::printf("special endings   %d\n", t.specialEndings);
    std::printf("drawish endings   %d\n", t.drawish);
    std::printf("%d\n", total);
    return 0;
}

const CommandRegistration reg({ "eval", "FEN [--params FILE]  the value of each evaluation term, then the evaluation for the side to move (last line)", runEval });
} // namespace

} // namespace kv::cli
