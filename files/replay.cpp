#include "replay.h"

#include "rules/geometry.h"
#include "rules/notation.h"

#include <algorithm>

namespace kv {

std::vector<Square> landingSquares(MoveGenerator& gen, const Board& before, const MoveRecord& m)
{
    std::vector<Square> out { m.from };
    if (m.isCapture()) {
        Board b = before;
        const CapturePathRow path = gen.capturePath(b, m.from, m.captured.data(), m.n);
        for (int d = 1; d < path.n; ++d) out.push_back(path.landing[d]);
    }
    out.push_back(m.to);
    return out;
}

namespace {

// The pieces a capture written as the full chain of its landing squares
// takes: one piece between every two landing squares on a diagonal. Nothing
// when the chain is not such a path (a chain that skips landing squares).
std::optional<std::vector<Square>> capturedAlong(const Board& board,
                                                 const std::vector<Square>& chain)
{
    std::vector<Square> taken;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const Square a = chain[i], b = chain[i + 1];
        bool reached = false;
        for (int d = 0; d < kDirections && !reached; ++d) {
            std::vector<Square> between;
            for (Square s = DirectionTable[d][a]; s != 0; s = DirectionTable[d][s]) {
                if (s == b) {
                    reached = true;
                    break;
                }
                if (board[s] != Empty && s != chain.front()) between.push_back(s);
            }
            if (reached) {
                if (between.size() != 1) return std::nullopt;
                taken.push_back(between.front());
            }
        }
        if (!reached) return std::nullopt;
    }
    std::sort(taken.begin(), taken.end());
    return taken;
}

// True when `inner` (the written squares between origin and destination)
// appear in order among the move's landing squares.
bool passesThrough(const std::vector<Square>& landing, const std::vector<Square>& written)
{
    auto it = landing.begin() + 1;
    for (std::size_t i = 1; i + 1 < written.size(); ++i) {
        it = std::find(it, landing.end() - 1, written[i]);
        if (it == landing.end() - 1) return false;
        ++it;
    }
    return true;
}

Board after(const Board& before, const MoveRecord& m)
{
    Board b = before;
    applyMove(b, m);
    return b;
}

// One fit for moves that all leave the same position, else several.
FittedMove fitOf(const Board& board, const std::vector<MoveRecord>& moves)
{
    const Board first = after(board, moves.front());
    for (const MoveRecord& m : moves)
        if (!(after(board, m) == first)) return { MoveFit::Several, moves.front() };
    return { MoveFit::One, moves.front() };
}

std::string sideName(SideToMove side) { return side == White ? "white" : "black"; }

ExchangeProblem problemOf(const ParsedGame& parsed, const WrittenMove& w, MoveFit fit, int ply,
                          SideToMove side)
{
    ExchangeProblem p;
    p.game = parsed.number;
    p.line = w.line;
    const std::string where = " (ply " + std::to_string(ply) + ", " + sideName(side) + " to move)";
    switch (fit) {
    case MoveFit::Several:
        p.kind = ExchangeProblemKind::AmbiguousMove;
        p.detail = "'" + w.text + "'" + where
            + " fits several legal captures; its landing squares tell them apart";
        break;
    case MoveFit::NoPath:
        p.kind = ExchangeProblemKind::IllegalMove;
        p.detail = "'" + w.text + "'" + where + " is not the path of a legal capture";
        break;
    default:
        p.kind = ExchangeProblemKind::IllegalMove;
        p.detail = "'" + w.text + "'" + where + " is not a legal move";
        break;
    }
    return p;
}

} // namespace

FittedMove fitWrittenMove(MoveGenerator& gen, const Board& board, SideToMove side,
                          const WrittenMove& written, int& captureCount)
{
    captureCount = 0;
    if (written.squares.size() < 2) return {};
    const Square from = written.squares.front(), to = written.squares.back();
    if (from == 0 || to == 0) return {};
    Board b = board;
    const int n = gen.generateLegal(b, side);
    captureCount = gen.captureCount();
    std::vector<MoveRecord> candidates;
    for (int i = 0; i < n; ++i) {
        const MoveRecord& m = gen.list(1)[i];
        if (m.from == from && m.to == to) candidates.push_back(m);
    }
    if (candidates.empty()) return {};
    if (written.squares.size() <= 2) return fitOf(board, candidates);
    std::vector<MoveRecord> through;
    const auto taken = capturedAlong(board, written.squares);
    for (const MoveRecord& m : candidates) {
        std::vector<Square> own(m.captured.begin(), m.captured.begin() + m.n);
        std::sort(own.begin(), own.end());
        if ((taken && own == *taken)
            || passesThrough(landingSquares(gen, board, m), written.squares))
            through.push_back(m);
    }
    if (through.empty()) return { MoveFit::NoPath, candidates.front() };
    return fitOf(board, through);
}

ReplayReport replayGame(const ParsedGame& parsed, GameState& game)
{
    ReplayReport report;
    game.whiteName = recordName(parsed.white);
    game.blackName = recordName(parsed.black);
    game.clock = {};
    Position start = parsed.setup.value_or(initialPosition());
    MoveGenerator gen;
    int captureCount = 0;
    // A set-up that does not say who moves: the side whose move the first is.
    if (parsed.sideUnknown && !parsed.moves.empty()
        && fitWrittenMove(gen, start.board, start.side, parsed.moves.front(), captureCount).fit
            == MoveFit::None
        && fitWrittenMove(gen, start.board, start.side ^ 1, parsed.moves.front(), captureCount).fit
            != MoveFit::None)
        start.side ^= 1;
    game.startFrom(start.board, start.side);
    for (const WrittenMove& w : parsed.moves) {
        const FittedMove m = fitWrittenMove(gen, game.board, game.side, w, captureCount);
        if (parsed.strict && m.fit != MoveFit::One) {
            report.refused = problemOf(parsed, w, m.fit, game.gamePly + 1, game.side);
            return report;
        }
        if (!m.move) {
            report.skipped.push_back(w.text);
            continue;
        }
        if (game.playMove(*m.move, captureCount) != PlayResult::Played) {
            report.cut = true;
            break;
        }
        report.played.push_back(*m.move);
    }
    if (parsed.movesCut) report.cut = true;
    return report;
}

std::vector<RecordedMove> recordedMoves(GameState& game, int plies)
{
    std::vector<RecordedMove> out;
    plies = std::min(plies, kLastPlyEntry);
    for (int k = 1; k <= plies; ++k) {
        const std::optional<MoveRecord> played = game.playedMove(k);
        if (!played) break;
        const Board before = game.positionAt(k - 1);
        RecordedMove r;
        r.move = *played;
        r.written = writtenSquares(before, game.sideAtPly(k - 1), *played);
        r.landing = landingSquares(game.gen, before, *played);
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace kv
