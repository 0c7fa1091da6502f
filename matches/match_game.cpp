#include "match_game.h"

#include "rules/notation.h"
#include "rules/repetition.h"

#include <chrono>

namespace kv {

std::optional<int> tableVerdict(const SearchKnowledge& knowledge, const Board& b, SideToMove toMove)
{
    const PieceCounts pc = PieceCounts::of(b);
    if (pc.white() + pc.black() > 4) return std::nullopt;
    const auto v = knowledge.probeEndgame(b, pc, toMove, toMove, 1);
    if (!v) return std::nullopt;
    return *v > 0 ? 1 : *v < 0 ? -1 : 0;
}

namespace {
SideToMove other(SideToMove side) { return static_cast<SideToMove>(side ^ 1); }
} // namespace

MatchGameResult playMatchGame(const Ballot& ballot, MatchPlayer& white, MatchPlayer& black,
                              const SearchKnowledge& knowledge, const MatchGameRules& rules)
{
    MatchGameResult r;
    r.fen = ballot.fen;
    GameState game;
    game.startFrom(ballot.start.board, ballot.start.side);
    for (const std::string& text : ballot.moves) {
        const auto m = parseMove(game.board, game.side, text);
        if (!m) break; // ballots are checked when read
        game.playMove(*m, m->n);
        r.moves.push_back(text);
    }
    white.newGame();
    black.newGame();
    int quiet = 0;
    const auto finish = [&](GameResult o, const char* why) {
        r.outcome = o;
        r.reason = why;
        r.plies = game.gamePly;
        return r;
    };
    while (true) {
        const SideToMove side = game.side;
        if (game.generateLegal() == 0) return finish(winFor(other(side)), "no move left");
        if (isRepetitionDraw(game.record, game.gamePly))
            return finish(GameResult::Draw, "repetition");
        if (rules.tableAdjudication)
            if (const auto v = tableVerdict(knowledge, game.board, side))
                return finish(*v == 0 ? GameResult::Draw : winFor(*v > 0 ? side : other(side)),
                              "endgame tables");
        if (rules.quietPlyLimit > 0 && quiet >= rules.quietPlyLimit)
            return finish(GameResult::Draw, "no progress");
        if (game.recordFull()) return finish(GameResult::Draw, "record full");

        MoveRequest req;
        req.game = &game;
        req.startFen = ballot.fen;
        req.moves = r.moves;
        req.usedMs = r.usedMs;
        const auto t0 = std::chrono::steady_clock::now();
        const MoveAnswer a = (side == White ? white : black).play(req);
        r.usedMs[side] += std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::steady_clock::now() - t0)
                              .count();
        if (!a.move) {
            r.reason = a.problem;
            r.outcome = winFor(other(side));
            r.plies = game.gamePly;
            return r;
        }
        const MoveRecord m = *a.move;
        const bool manMoves = isMan(game.board[m.from]);
        r.moves.push_back(shortMoveText(game.board, side, m));
        game.playMove(m, m.n);
        quiet = (m.isCapture() || manMoves) ? 0 : quiet + 1;
    }
}

} // namespace kv
