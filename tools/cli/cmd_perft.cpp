#include "commands.h"

#include "rules/perft.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>

namespace kv::cli {

namespace {
int runPerft(const Args& args)
{
    bool divide = false;
    Args rest;
    for (const auto& a : args) {
        if (a == "--divide")
            divide = true;
        else
            rest.push_back(a);
    }
    int depth = 0;
    if (rest.size() != 2 || !intArgument(rest[1], depth))
        return error("usage: perft FEN DEPTH [--divide]");
    if (depth >= kMaxPly) return error("depth must be below " + std::to_string(kMaxPly));
    auto pos = fenArgument(rest[0]);
    if (!pos) return kUsageError;

    MoveGenerator gen;
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t total;
    if (divide) {
        total = perftDivide(gen, pos->board, pos->side, depth, [](const MoveRecord& m, std::uint64_t n) {
            std::printf("%s: %" PRIu64 "\n", moveText(m).c_str(), n);
        });
    } else {
        total = perft(gen, pos->board, pos->side, depth);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "time %.3f s, %.0f nodes/s\n", seconds, seconds > 0 ? total / seconds : 0.0);
    std::printf("%" PRIu64 "\n", total);
    return 0;
}

const CommandRegistration reg({ "perft", "FEN DEPTH [--divide]  leaf count at DEPTH (last line)", runPerft });
} // namespace

} // namespace kv::cli
