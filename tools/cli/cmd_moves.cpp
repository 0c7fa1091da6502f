#include "commands.h"

#include <CLI/CLI.hpp>

#include "rules/movegen.h"

#include <cstdio>

namespace kv::cli {

namespace {
int runMoves(const std::string& fen)
{
    auto pos = fenArgument(fen);
    if (!pos) return kUsageError;
    MoveGenerator gen;
    const int n = gen.generateLegal(pos->board, pos->side);
    for (int i = 0; i < n; ++i) std::printf("%s\n", moveText(gen.list(1)[i]).c_str());
    if (gen.overflowed()) return error("more legal moves than a list holds");
    return 0;
}

CommandBody defineMoves(CLI::App& app)
{
    auto fen = std::make_shared<std::string>();
    app.add_option("FEN", *fen, "The position")->required();
    return [fen] { return runMoves(*fen); };
}

const CommandRegistration
    reg({ "moves", "The legal moves of a position, one a line, in generation order", defineMoves });
} // namespace

} // namespace kv::cli
