#include "movegen.h"

#include "geometry.h"
#include "square_masks.h"

#include <bit>

namespace kv {

namespace {
constexpr int kNoDirection = 7; // matches no direction: the first jump may go anywhere
}

MoveGenerator::MoveGenerator()
    : listStore_(std::make_unique<std::array<MoveList, kMaxPly + 1>>()), lists_(*listStore_),
      pieceSet_(std::make_unique<PieceMoveSet>())
{
}

void MoveGenerator::beginCall(Board& b, MoveRecord* out)
{
    board_ = &b;
    out_ = out;
    captureCount_ = 0;
    bestKingCount_ = 0;
    dropped_ = 0;
    kingsTaken_[0] = 0;
    capturedPath_[1] = 0;
}

// The majority rule, applied as each finished sequence of c captures taking
// `kings` kings is offered: shorter or king-poorer sequences are refused, a
// strictly better one empties the list first.
bool MoveGenerator::accept(int c, int kings)
{
    if (c < captureCount_) return false;
    if (c == captureCount_ && kings < bestKingCount_) return false;
    if (c > captureCount_ || kings > bestKingCount_) {
        *outCount_ = 0;
        dropped_ = 0;
    }
    captureCount_ = c;
    return true;
}

template <bool Paths> void MoveGenerator::record(Square to)
{
    bestKingCount_ = kingsTaken_[captureCount_];
    if (*outCount_ >= capacity_) {
        ++dropped_;
        return;
    }
    const int i = (*outCount_)++;
    MoveRecord& m = out_[i];
    m.from = origin_;
    m.to = to;
    m.n = static_cast<std::uint8_t>(captureCount_);
    m.key = 0;
    for (int c = 0; c < captureCount_; ++c) m.captured[c] = capturedPath_[c + 1];
    if constexpr (Paths) {
        CapturePathRow& row = paths_[i];
        row.n = m.n;
        for (int c = 1; c <= captureCount_; ++c) {
            row.landing[c] = landing_[c];
            row.captured[c] = capturedPath_[c];
        }
    }
}

void MoveGenerator::addQuiet(Square from, Square to)
{
    if (*outCount_ >= capacity_) {
        ++dropped_;
        return;
    }
    const int i = (*outCount_)++;
    MoveRecord& m = out_[i];
    m.from = from;
    m.to = to;
    m.n = 0;
    m.key = 0;
    if (paths_) {
        paths_[i].n = 0;
        paths_[i].landing[1] = to;
    }
}

// A man takes forwards only. It is off the board while its jumps are searched,
// and every landing square is offered for recording once the deeper search has
// returned: by then any longer continuation has raised the capture count, so
// only sequences that cannot be continued survive.
template <bool Paths> void MoveGenerator::manCaptures(Square s, int d)
{
    Board& b = *board_;
    const int first = enemyMan_ == BlackMan ? 0 : 2;
    for (int dir = first; dir < first + 2; ++dir) {
        const Square n = DirectionTable[dir][s];
        const std::uint8_t code = b[n];
        if (code != enemyMan_ && code != enemyKing_) continue;
        const Square l = DirectionTable[dir][n];
        if (b[l] != Empty) continue;
        kingsTaken_[d] = static_cast<std::uint8_t>(kingsTaken_[d - 1] + (code == enemyKing_));
        b[n] = Jumped;
        b[s] = Empty;
        capturedPath_[d] = n;
        landing_[d] = l;
        manCaptures<Paths>(l, d + 1);
        b[n] = code;
        if (accept(d, kingsTaken_[d])) record<Paths>(l);
    }
}

// A king flies to the first piece of a diagonal and may land on any empty
// square beyond it. It never turns straight back, and along its incoming line
// it only takes a piece right next to it: one further along is reached from a
// later landing square of the same jump. capturedPath_[d] carries the square
// the king stands on down one level; the recording step offers it as a final
// square when no capture replaced it.
template <bool Paths> void MoveGenerator::kingCaptures(Square s, int incoming, int d)
{
    Board& b = *board_;
    capturedPath_[d + 1] = 0;
    for (int dir = 0; dir < kDirections; ++dir) {
        if (dir == opposite(incoming)) continue;
        b[s] = Empty;
        Square n = DirectionTable[dir][s];
        const bool giveUp = dir == incoming && b[n] == Empty;
        if (!giveUp) {
            while (b[n] == Empty) n = DirectionTable[dir][n];
            const std::uint8_t code = b[n];
            const Square l = DirectionTable[dir][n];
            if ((code == enemyMan_ || code == enemyKing_) && b[l] == Empty) {
                kingsTaken_[d]
                    = static_cast<std::uint8_t>(kingsTaken_[d - 1] + (code == enemyKing_));
                b[n] = Jumped;
                capturedPath_[d] = n;
                for (Square L = l; b[L] == Empty; L = DirectionTable[dir][L]) {
                    capturedPath_[d + 1] = L;
                    landing_[d] = L;
                    kingCaptures<Paths>(L, dir, d + 1);
                    b[L] = Empty;
                }
                b[n] = code;
            }
        }
        if (capturedPath_[d] != 0 && accept(d - 1, kingsTaken_[d - 1])) {
            record<Paths>(capturedPath_[d]);
            capturedPath_[d] = 0;
        }
    }
}

// The next piece of a mask in scan order: white scans from square 32 down,
// black from square 1 up.
template <bool Black> static inline Square takeNext(std::uint32_t& pieces)
{
    if constexpr (Black) {
        const int bit = std::countr_zero(pieces);
        pieces &= pieces - 1;
        return static_cast<Square>(bit + 1);
    } else {
        const int bit = 31 - std::countl_zero(pieces);
        pieces &= ~(1u << bit);
        return static_cast<Square>(bit + 1);
    }
}

template <bool Black> void MoveGenerator::generateFor(Board& b, MoveList& list)
{
    constexpr std::uint8_t ownMan = Black ? BlackMan : WhiteMan;
    enemyMan_ = Black ? WhiteMan : BlackMan;
    enemyKing_ = Black ? WhiteKing : BlackKing;
    const SquareMasks m = squareMasks(b);
    const std::uint32_t men = Black ? m.blackMen : m.whiteMen;
    const std::uint32_t kings = Black ? m.blackKings : m.whiteKings;
    const std::uint32_t enemy = Black ? m.white() : m.black();

    // Captures first, piece by piece in scan order. Only men that have a
    // first jump and kings are looked at.
    const std::uint32_t jumpers = masks::manJumpers<Black>(men, enemy, m.empty);
    for (std::uint32_t candidates = jumpers | (enemy ? kings : 0); candidates;) {
        const Square s = takeNext<Black>(candidates);
        const std::uint8_t code = b[s];
        origin_ = s;
        if (code == ownMan) {
            manCaptures<false>(s, 1);
        } else {
            if (!masks::kingMayTake(s, enemy, m.empty)) continue;
            capturedPath_[1] = 0;
            kingCaptures<false>(s, kNoDirection, 1);
        }
        b[s] = code;
    }
    if (list.count != 0) return;

    // Quiet moves, written straight into the list. A king reaches at most 13
    // squares, so twelve pieces give at most 156 moves; only a board with far
    // more pieces than a game can hold could reach the capacity.
    static_assert(12 * 13 <= kMaxMoves);
    captureCount_ = 0;
    constexpr int first = Black ? 2 : 0;
    MoveRecord* out = list.moves.data();
    int n = 0;
    auto add = [&](Square from, Square to) {
        MoveRecord& r = out[n++];
        r.from = from;
        r.to = to;
        r.n = 0;
        r.key = 0;
    };
    for (std::uint32_t pieces = men | kings; pieces;) {
        const Square s = takeNext<Black>(pieces);
        if (men & (1u << (s - 1))) {
            for (int dir = first; dir < first + 2; ++dir) {
                const Square t = DirectionTable[dir][s];
                if (b[t] == Empty) add(s, t);
            }
        } else {
            for (int dir = 0; dir < kDirections; ++dir)
                for (Square t = DirectionTable[dir][s]; b[t] == Empty; t = DirectionTable[dir][t])
                    add(s, t);
        }
        if (n > kMaxMoves - 13 && pieces) {
            ++dropped_; // nineteen kings or more: no game reaches it, but never write past the end
            break;
        }
    }
    list.count = n;
}

int MoveGenerator::generate(Board& b, SideToMove side, int ply, const OrderingContext* ordering)
{
    MoveList& list = lists_[ply];
    list.count = 0;
    beginCall(b, list.moves.data());
    outCount_ = &list.count;
    capacity_ = kMaxMoves;
    paths_ = nullptr;
    if (side == Black) generateFor<true>(b, list);
    else generateFor<false>(b, list);
    if (ordering) orderMoves(list, captureCount_ != 0, *ordering);
    return list.count;
}

const PieceMoveSet& MoveGenerator::pieceMoves(Board& b, Square s, SideToMove side)
{
    PieceMoveSet& set = *pieceSet_;
    set.count = 0;
    beginCall(b, set.moves.data());
    outCount_ = &set.count;
    capacity_ = kMaxMoves;
    paths_ = set.paths.data();

    const std::uint8_t code = b[s];
    if (code < WhiteMan || code > BlackKing) return set;
    const bool blackPiece = isBlack(code);
    enemyMan_ = blackPiece ? WhiteMan : BlackMan;
    enemyKing_ = blackPiece ? WhiteKing : BlackKing;
    origin_ = s;
    if (isMan(code)) {
        manCaptures<true>(s, 1);
    } else {
        kingCaptures<true>(s, kNoDirection, 1);
    }
    b[s] = code;

    if (set.count == 0 && blackPiece == (side == Black)) {
        captureCount_ = 0;
        if (isMan(code)) {
            const int first = blackPiece ? 2 : 0;
            for (int dir = first; dir < first + 2; ++dir)
                if (b[DirectionTable[dir][s]] == Empty) addQuiet(s, DirectionTable[dir][s]);
        } else {
            for (int dir = 0; dir < kDirections; ++dir)
                for (Square t = DirectionTable[dir][s]; b[t] == Empty; t = DirectionTable[dir][t])
                    addQuiet(s, t);
        }
    }
    paths_ = nullptr;
    return set;
}

CapturePathRow MoveGenerator::capturePath(Board& b, Square from, const Square* captured, int n)
{
    const std::uint8_t code = b[from];
    if (code < WhiteMan || code > BlackKing) return {};
    const PieceMoveSet& set = pieceMoves(b, from, isBlack(code) ? Black : White);
    for (int i = 0; i < set.count; ++i) {
        const MoveRecord& m = set.moves[i];
        if (m.n != n) continue;
        bool same = true;
        for (int c = 0; c < n; ++c)
            if (m.captured[c] != captured[c]) same = false;
        if (same) return set.paths[i];
    }
    return {};
}

} // namespace kv
