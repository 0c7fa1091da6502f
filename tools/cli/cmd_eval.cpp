#include "commands.h"

#include <CLI/CLI.hpp>

#include "eval/evaluate.h"

#include <cstdio>

namespace kv::cli {

namespace {
// Evaluates the position as the root of a search would: phase and tables are
// chosen for it, and the side to move is the evaluating side.
int runEval(const std::string& fen, const std::string& paramsPath)
{
    ParameterSet params = defaultParameters();
    if (!paramsPath.empty()) {
        std::string why;
        if (!loadParameters(params, paramsPath, [&why](const std::string& m) { why = m; }))
            return error(paramsPath + ": " + why);
    }
    auto pos = fenArgument(fen);
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
                ev.variant(1)       ? " (variant 1)"
                    : ev.variant(2) ? " (variant 2)"
                                    : "");
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
    std::printf("learned patterns  %d\n", t.patterns);
    std::printf("special endings   %d\n", t.specialEndings);
    std::printf("drawish endings   %d\n", t.drawish);
    std::printf("%d\n", total);
    return 0;
}

CommandBody defineEval(CLI::App& app)
{
    auto fen = std::make_shared<std::string>(), params = std::make_shared<std::string>();
    app.add_option("FEN", *fen, "The position")->required();
    app.add_option("--params", *params,
                   "Evaluate with this parameter file (.par) instead of the shipped values")
        ->type_name("FILE");
    return [fen, params] { return runEval(*fen, *params); };
}

const CommandRegistration
    reg({ "eval",
          "The value of each evaluation term, then the evaluation for the side to move (last line)",
          defineEval });
} // namespace

} // namespace kv::cli
