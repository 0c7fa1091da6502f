// kv-bookgen: writes an opening library built from deep searches of the
// engine (openings/book_builder.h).
//
//     kv-bookgen white OUT.ouv [--depth N] [--plies N] [--budget SECONDS]
//
// Uses keys built from their fixed seed (the shipped "hashkey33.dat" holds
// the same keys) and no endgame tables: opening positions never reach them.
#include "engine/hash_keys.h"
#include "openings/book_builder.h"
#include "openings/opening_library.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
int usage()
{
    std::fprintf(
        stderr,
        "usage: kv-bookgen white|black OUT.ouv [--depth N] [--plies N] [--budget SECONDS]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    using namespace kv;
    if (argc < 3) return usage();
    const std::string side = argv[1];
    if (side != "white" && side != "black") return usage();
    BookBuildOptions o;
    o.bookSide = side == "white" ? White : Black;
    // Several answers to the first moves, a few of the opponent's best
    // replies early on, then the engine's own line.
    o.ownWidth = { 3, 2, 2, 1 };
    o.replyWidth = { 4, 3, 2, 2, 1 };
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0) return usage();
        if (opt == "--depth") o.depth = value;
        else if (opt == "--plies") o.plies = value;
        else if (opt == "--budget") o.budgetSeconds = value;
        else return usage();
    }
    if (argc % 2 == 0) return usage();
    o.progress = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };

    SearchContext ctx(HashKeyTables::generated());
    BookBuildStats stats;
    const auto lines = buildBook(ctx, o, &stats);
    std::string error;
    if (!writeLibrary(argv[2], OpeningLibrary(lines), error)) {
        std::fprintf(stderr, "kv-bookgen: %s\n", error.c_str());
        return 2;
    }
    std::fprintf(stderr, "%d lines, %d searches, %.0f s\n", stats.lines, stats.searches,
                 stats.seconds);
    return 0;
}
