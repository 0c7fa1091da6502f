#include "commands.h"
#include "options.h"

#include "rules/perft.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>

namespace kv::cli {

namespace {
struct PerftOptions {
    std::string fen;
    int depth = 0;
    bool divide = false;
};

int runPerft(const PerftOptions& options)
{
    const int depth = options.depth;
    const bool divide = options.divide;
    auto pos = fenArgument(options.fen);
    if (!pos) return kUsageError;

    MoveGenerator gen;
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t total;
    if (divide) {
        total = perftDivide(gen, pos->board, pos->side, depth,
                            [](const MoveRecord& m, std::uint64_t n) {
                                std::printf("%s: %" PRIu64 "\n", moveText(m).c_str(), n);
                            });
    } else {
        total = perft(gen, pos->board, pos->side, depth);
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "time %.3f s, %.0f nodes/s\n", seconds,
                 seconds > 0 ? total / seconds : 0.0);
    std::printf("%" PRIu64 "\n", total);
    return 0;
}

CommandBody definePerft(CLI::App& app)
{
    auto options = std::make_shared<PerftOptions>();
    app.add_option("FEN", options->fen, "The position")->required();
    addBoundedOption(app, "DEPTH", options->depth, 0, kMaxPly - 1,
                     "Count the move paths of this many plies")
        ->required();
    app.add_flag("--divide", options->divide, "Print the count below each move first");
    return [options] { return runPerft(*options); };
}

const CommandRegistration
    reg({ "perft", "The number of move paths of DEPTH plies from a position (last line)",
          definePerft });
} // namespace

} // namespace kv::cli
