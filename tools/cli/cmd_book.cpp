#include "commands.h"

#include <CLI/CLI.hpp>

#include "openings/library_sets.h"
#include "openings/line_replay.h"

#include <cstdio>

namespace kv::cli {

namespace {
struct BookOptions {
    std::string movesText, dir = programDir();
};

int runBook(const BookOptions& options)
{
    const std::string &movesText = options.movesText, &dir = options.dir;
    const auto moves = parseMoveText(movesText);
    if (!moves) return error("cannot read the moves: " + movesText);
    Position pos = initialPosition();
    const std::size_t played = replayMoves(*moves, pos.board, pos.side);
    if (played != moves->size())
        return error("move " + std::to_string(played + 1) + " is not legal");

    OpeningBook book;
    std::string why;
    if (!readActivePair(std::filesystem::path(dir), book, why)) return error(why);
    // The book's candidates that are legal here, as the engine would take them.
    for (const BookMove& m : bookLookup(book.forSide(pos.side), *moves))
        if (const auto legal = legalMove(pos.board, pos.side, m))
            std::printf("%s\n", moveText(*legal).c_str());
    return 0;
}

CommandBody defineBook(CLI::App& app)
{
    auto options = std::make_shared<BookOptions>();
    app.add_option("--moves", options->movesText, "The moves from the start, \"11-15 24-20 ...\"");
    app.add_option("--dir", options->dir, "The folder of the book's files (default: the program's)")
        ->type_name("DIR");
    return [options] { return runBook(*options); };
}

const CommandRegistration
    reg({ "book", "The opening book's moves in a position reached from the start, one a line",
          defineBook });
} // namespace

} // namespace kv::cli
