#include "notation.h"

#include "geometry.h"
#include "movegen.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace kv {

Position initialPosition()
{
    Position p;
    p.board.setInitial();
    p.side = White;
    return p;
}

namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool parseNumber(std::string_view s, int& out)
{
    if (s.empty() || s.size() > 2) return false;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

bool fail(std::string* error, std::string text)
{
    if (error) *error = std::move(text);
    return false;
}

// One colour's field: "W9,10,K28" or "B1-4,K30". Fills the board.
bool parseSide(std::string_view field, Board& b, std::string* error)
{
    const bool white = field.front() == 'W' || field.front() == 'w';
    field.remove_prefix(1);
    int count = 0;
    while (!field.empty()) {
        const size_t comma = field.find(',');
        std::string_view item = trim(field.substr(0, comma));
        field = comma == std::string_view::npos ? std::string_view {} : field.substr(comma + 1);
        if (item.empty()) continue;
        bool king = false;
        if (item.front() == 'K' || item.front() == 'k') {
            king = true;
            item.remove_prefix(1);
        }
        int first = 0, last = 0;
        const size_t dash = item.find('-');
        if (dash == std::string_view::npos) {
            if (!parseNumber(item, first))
                return fail(error, "bad square '" + std::string(item) + "'");
            last = first;
        } else if (!parseNumber(item.substr(0, dash), first)
                   || !parseNumber(item.substr(dash + 1), last)) {
            return fail(error, "bad square range '" + std::string(item) + "'");
        }
        if (first < 1 || last > 32 || first > last)
            return fail(error, "square out of range in '" + std::string(item) + "'");
        for (int u = first; u <= last; ++u) {
            const Square s = internalSquare(u);
            if (b[s] != Empty) return fail(error, "square " + std::to_string(u) + " given twice");
            const std::uint8_t code
                = white ? (king ? WhiteKing : WhiteMan) : (king ? BlackKing : BlackMan);
            if (promotes(code, s))
                return fail(error, "man on its promotion row at square " + std::to_string(u));
            b[s] = code;
            if (++count > 12)
                return fail(error,
                            std::string("more than 12 ") + (white ? "white" : "black") + " pieces");
        }
    }
    return true;
}

} // namespace

std::optional<Position> parseFen(std::string_view text, std::string* error)
{
    text = trim(text);
    if (text == "start") return initialPosition();
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);

    Position p;
    p.board.clear();
    std::vector<std::string_view> fields;
    while (true) {
        const size_t colon = text.find(':');
        fields.push_back(trim(text.substr(0, colon)));
        if (colon == std::string_view::npos) break;
        text = text.substr(colon + 1);
    }
    if (fields.size() != 3) {
        fail(error, "a FEN has three fields: side to move, white pieces, black pieces");
        return std::nullopt;
    }
    const std::string_view turn = fields[0];
    if (turn == "W" || turn == "w") {
        p.side = White;
    } else if (turn == "B" || turn == "b") {
        p.side = Black;
    } else {
        fail(error, "unknown side to move '" + std::string(turn) + "'");
        return std::nullopt;
    }
    bool seen[2] = { false, false };
    for (int i = 1; i <= 2; ++i) {
        const std::string_view f = fields[i];
        if (f.empty()) {
            fail(error, "empty piece field");
            return std::nullopt;
        }
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(f.front())));
        if (c != 'W' && c != 'B') {
            fail(error, std::string("unknown letter '") + f.front() + "'");
            return std::nullopt;
        }
        const int colour = c == 'W' ? 0 : 1;
        if (seen[colour]) {
            fail(error, "colour given twice");
            return std::nullopt;
        }
        seen[colour] = true;
        if (!parseSide(f, p.board, error)) return std::nullopt;
    }
    return p;
}

std::string formatFen(const Position& p)
{
    std::string out = p.side == White ? "W" : "B";
    for (int colour = 0; colour < 2; ++colour) {
        out += colour == 0 ? ":W" : ":B";
        bool first = true;
        for (int u = 1; u <= 32; ++u) {
            const std::uint8_t code = p.board[internalSquare(u)];
            if (colour == 0 ? !isWhite(code) : !isBlack(code)) continue;
            if (!first) out += ',';
            first = false;
            if (isKing(code)) out += 'K';
            out += std::to_string(u);
        }
    }
    return out;
}

std::string moveText(const MoveRecord& m)
{
    std::string out = std::to_string(userNumber(m.from));
    out += m.n ? 'x' : '-';
    out += std::to_string(userNumber(m.to));
    if (m.n) {
        out += " captures ";
        for (int i = 0; i < m.n; ++i) {
            if (i) out += ',';
            out += std::to_string(userNumber(m.captured[i]));
        }
    }
    return out;
}

namespace {
// The squares a capture lands on after each jump but the last, in user numbers.
std::vector<int> landings(const Board& b, MoveGenerator& gen, const MoveRecord& m)
{
    Board copy = b;
    const CapturePathRow row = gen.capturePath(copy, m.from, m.captured.data(), m.n);
    std::vector<int> out;
    for (int d = 1; d < row.n; ++d) out.push_back(userNumber(row.landing[d]));
    return out;
}
} // namespace

std::optional<MoveRecord> parseMove(const Board& b, SideToMove side, std::string_view text,
                                    std::string* error)
{
    text = trim(text);
    std::vector<int> squares;
    bool capture = false;
    while (true) {
        const size_t sep = text.find_first_of("-xX");
        int n = 0;
        if (!parseNumber(text.substr(0, sep), n) || n < 1 || n > 32) {
            fail(error, "bad move '" + std::string(text) + "'");
            return std::nullopt;
        }
        squares.push_back(n);
        if (sep == std::string_view::npos) break;
        capture = capture || text[sep] != '-';
        text.remove_prefix(sep + 1);
    }
    if (squares.size() < 2 || (!capture && squares.size() > 2)) {
        fail(error, "a move names its origin and destination");
        return std::nullopt;
    }
    MoveGenerator gen;
    Board copy = b;
    const int count = gen.generateLegal(copy, side);
    std::vector<MoveRecord> fits;
    const std::vector<int> via(squares.begin() + 1, squares.end() - 1);
    for (int i = 0; i < count; ++i) {
        const MoveRecord& m = gen.list(1)[i];
        if (userNumber(m.from) != squares.front() || userNumber(m.to) != squares.back()) continue;
        if (!via.empty() && landings(b, gen, m) != via) continue;
        fits.push_back(m);
    }
    if (fits.size() == 1) return fits.front();
    std::string named;
    for (size_t i = 0; i < squares.size(); ++i) {
        if (i) named += '-';
        named += std::to_string(squares[i]);
    }
    fail(error, fits.empty() ? "no legal move " + named : "ambiguous move " + named);
    return std::nullopt;
}

std::vector<Square> writtenSquares(const Board& before, SideToMove side, const MoveRecord& m)
{
    std::vector<Square> out { m.from };
    if (m.n) {
        MoveGenerator gen;
        Board copy = before;
        const int count = gen.generateLegal(copy, side);
        int sameEnds = 0;
        for (int i = 0; i < count; ++i)
            if (gen.list(1)[i].from == m.from && gen.list(1)[i].to == m.to) ++sameEnds;
        if (sameEnds > 1) {
            const CapturePathRow row = gen.capturePath(copy, m.from, m.captured.data(), m.n);
            for (int d = 1; d < row.n; ++d) out.push_back(row.landing[d]);
        }
    }
    out.push_back(m.to);
    return out;
}

std::string shortMoveText(const Board& b, SideToMove side, const MoveRecord& m)
{
    std::string out;
    for (Square s : writtenSquares(b, side, m)) {
        if (!out.empty()) out += m.n ? 'x' : '-';
        out += std::to_string(userNumber(s));
    }
    return out;
}

} // namespace kv
