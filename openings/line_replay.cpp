#include "openings/line_replay.h"

#include "openings/book_lookup.h"
#include "rules/geometry.h"
#include "rules/movegen.h"

#include <string>

namespace kv {

std::optional<MoveRecord> legalMove(const Board& board, SideToMove side, BookMove m)
{
    MoveGenerator gen;
    Board b = board;
    const int n = gen.generateLegal(b, side);
    for (int i = 0; i < n; ++i) {
        const MoveRecord& r = gen.list(1)[i];
        if (r.from == m.from && r.to == m.to) return r;
    }
    return std::nullopt;
}

std::size_t replayMoves(const std::vector<BookMove>& moves, Board& board, SideToMove& side)
{
    std::size_t played = 0;
    for (const BookMove& m : moves) {
        const auto r = legalMove(board, side, m);
        if (!r) break;
        applyMove(board, *r);
        side = side == White ? Black : White;
        ++played;
    }
    return played;
}

std::optional<std::vector<BookMove>> parseMoveText(std::string_view text)
{
    // A destination padded by a space ("18- 9") belongs to its move.
    std::string joined;
    for (char c : text)
        if (!(c == ' ' && !joined.empty() && (joined.back() == '-' || joined.back() == 'x')))
            joined += c;
    text = joined;
    std::vector<BookMove> moves;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '\t') {
            ++pos;
            continue;
        }
        std::size_t end = text.find_first_of(" \t", pos);
        if (end == std::string_view::npos) end = text.size();
        const auto parsed = parseLineMoves(text.substr(pos, end - pos));
        if (parsed.size() != 1 || parsed[0].origin == 0 || parsed[0].destination == 0)
            return std::nullopt;
        moves.push_back(
            { internalSquare(parsed[0].origin), internalSquare(parsed[0].destination) });
        pos = end;
    }
    return moves;
}

} // namespace kv
