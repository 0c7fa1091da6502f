#include "commands.h"

#include "rules/movegen.h"

#include <cstdio>

namespace kv::cli {

namespace {
int runMoves(const Args& args)
{
    if (args.size() != 1) return error("usage: moves FEN");
    auto pos = fenArgument(args[0]);
    if (!pos) return kUsageError;
    MoveGenerator gen;
    const int n = gen.generateLegal(pos->board, pos->side);
    for (int i = 0; i < n; ++i) std::printf("%s\n", moveText(gen.list(1)[i]).c_str());
    if (gen.overflowed()) return error("more legal moves than a list holds");
    return 0;
}

const CommandRegistration reg({ "moves", "FEN                 legal moves, one per line, in generation order", runMoves });
} // namespace

} // namespace kv::cli
