#include "commands.h"

#include "openings/library_sets.h"
#include "openings/line_replay.h"

#include <cstdio>

namespace kv::cli {

namespace {
int runBook(const Args& args)
{
    const char* usage = "usage: book [--moves \"11-15 24-20 ...\"] [--dir DIR]";
    std::string movesText, dir = programDir();
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return error(usage);
        if (args[i] == "--moves")
            movesText = args[i + 1];
        else if (args[i] == "--dir")
            dir = args[i + 1];
        else
            return error(usage);
    }
    const auto moves = parseMoveText(movesText);
    if (!moves) return error("cannot read the moves: " + movesText);
    Position pos = initialPosition();
    const std::size_t played = replayMoves(*moves, pos.board, pos.side);
    if (played != moves->size()) return error("move " + std::to_string(played + 1) + " is not legal");

    OpeningBook book;
    std::string why;
    if (!readActivePair(std::filesystem::path(dir), book, why))
        return error(why);
    // The book's candidates that are legal here, as the engine would take them.
    for (const BookMove& m : bookLookup(book.forSide(pos.side), *moves))
        if (const auto legal = legalMove(pos.board, pos.side, m)) std::printf("%s\n", moveText(*legal).c_str());
    return 0;
}

const CommandRegistration reg({ "book", "[--moves \"11-15 24-20 ...\"] [--dir DIR]  the opening book's moves, one per line",
                                runBook });
} // namespace

} // namespace kv::cli
