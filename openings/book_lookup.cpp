#include "openings/book_lookup.h"

#include "rules/geometry.h"

#include <cstdio>

namespace kv {

namespace {
// A field of one or two characters: an optional leading space, then digits.
int fieldNumber(std::string_view f)
{
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    if (f.empty()) return 0;
    int n = 0;
    for (char c : f) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kSquares ? n : 0;
}

Square internalOf(int user) { return user == 0 ? 0 : internalSquare(user); }
} // namespace

std::vector<LineMove> parseLineMoves(std::string_view line)
{
    std::vector<LineMove> moves;
    const std::size_t len = line.size();
    std::size_t pos = 0;
    while (pos < len) {
        LineMove m;
        // Origin: one digit when a separator follows it, else two characters
        // and any separator.
        if (pos + 1 < len && (line[pos + 1] == '-' || line[pos + 1] == 'x')) {
            m.origin = fieldNumber(line.substr(pos, 1));
            pos += 2;
        } else {
            m.origin = fieldNumber(line.substr(pos, 2));
            pos += 3;
        }
        // Destination: one digit at the end of the line or before a space,
        // else two characters and the space after them.
        const std::size_t left = pos < len ? len - pos : 0;
        if (left == 0) {
            pos += 2;
        } else if (left == 1) {
            m.destination = fieldNumber(line.substr(pos, 1));
            pos += 3;
        } else if (line[pos + 1] == ' ') {
            m.destination = fieldNumber(line.substr(pos, 1));
            pos += 2;
        } else {
            m.destination = fieldNumber(line.substr(pos, 2));
            pos += 3;
        }
        m.end = std::min(pos, len);
        moves.push_back(m);
    }
    return moves;
}

std::vector<BookMove> playedMoves(const GameRecord& record, int gamePly)
{
    std::vector<BookMove> moves;
    for (int p = 1; p <= gamePly && p < kRecordEntries; ++p)
        moves.push_back({ record[p].from, record[p].to });
    return moves;
}

std::vector<BookMove> bookLookup(const OpeningLibrary& lib, const std::vector<BookMove>& played)
{
    std::vector<BookMove> found;
    const std::size_t next = played.size(); // index of the move offered
    for (const std::string& line : lib.lines()) {
        const std::vector<LineMove> moves = parseLineMoves(line);
        if (moves.size() <= next) continue;
        bool follows = true;
        for (std::size_t i = 0; i < next && follows; ++i)
            follows = internalOf(moves[i].origin) == played[i].from
                && internalOf(moves[i].destination) == played[i].to && moves[i].origin != 0;
        if (!follows) continue;
        const LineMove& m = moves[next];
        if (m.origin == 0 || m.destination == 0) continue;
        const BookMove move { internalOf(m.origin), internalOf(m.destination) };
        // Sorted lines put equal candidates side by side.
        if (!found.empty() && found.back().from == move.from && found.back().to == move.to)
            continue;
        if (found.size() < static_cast<std::size_t>(kMaxBookCandidates)) found.push_back(move);
    }
    return found;
}

std::string lineText(const std::vector<BookMove>& moves)
{
    std::string text;
    char buf[16];
    for (const BookMove& m : moves) {
        std::snprintf(buf, sizeof buf, "%2d-%2d ", userNumber(m.from), userNumber(m.to));
        text += buf;
    }
    return text;
}

std::string Nouvelle_ouv(const GameRecord& record, int gamePly)
{
    std::vector<BookMove> moves;
    for (int n = 1; n <= gamePly && n <= kMaxLineMoves && n < kRecordEntries && record[n].from != 0;
         ++n)
        moves.push_back({ record[n].from, record[n].to });
    return lineText(moves);
}

} // namespace kv
