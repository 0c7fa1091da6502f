#include "players.h"

#include "engine/search_driver.h"

#include <chrono>

namespace kv {

namespace {

class EnginePlayer : public MatchPlayer {
public:
    EnginePlayer(const HashKeyTables& keys, const SearchKnowledge& knowledge,
                 const ParameterSet& params, const EngineLimits& limits)
        : ctx_(keys, knowledge, params), limits_(limits)
    {
        ctx_.settings.bookEnabled = false;
        if (limits.level) {
            ctx_.settings.levelTime = limits.level->levelTime;
            ctx_.settings.levelCap = limits.level->levelCap;
            if (limits.clockSpeed > 1)
                ctx_.clockMs = [speed = limits.clockSpeed] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    return speed
                        * std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
                };
        } else if (limits.moveTimeMs > 0) {
            ctx_.settings.moveTimeMs = limits.moveTimeMs;
        } else {
            ctx_.settings.levelTime = 32000;
            ctx_.settings.fixedDepth = limits.depth > 0 ? limits.depth : 8;
        }
    }

    void newGame() override
    {
        ctx_.clearTranspositionTable();
        ctx_.setLastCompletedScore(0);
    }

    MoveAnswer play(const MoveRequest& r) override
    {
        const GameState& g = *r.game;
        SearchRequest req;
        req.board = g.board;
        req.side = g.side;
        req.gamePly = g.gamePly;
        req.record = &g.record;
        const std::int64_t speed = limits_.level ? limits_.clockSpeed : 1;
        for (int s = 0; s < 2; ++s)
            req.usedSeconds[s] = static_cast<std::int32_t>(speed * r.usedMs[s] / 1000);
        req.usedMs = speed * r.usedMs[g.side];
        const SearchResult res = searchDriver(ctx_, req);
        MoveAnswer a;
        a.score = res.score;
        if (res.legalIndex < 0 || res.outcome == SearchOutcome::NoMove
            || res.outcome == SearchOutcome::Aborted) {
            a.problem = "the engine found no move";
            return a;
        }
        a.move = res.move;
        // The novice level plays its second choice when a piece ahead, as in the game.
        if (limits_.level) {
            const PieceCounts pc = PieceCounts::of(g.board);
            const int mine = g.side == White ? pc.white() : pc.black();
            const int theirs = g.side == White ? pc.black() : pc.white();
            const std::vector<MoveRecord> roots = ctx_.rootMoves();
            if (noviceSlips(*limits_.level, mine, theirs, roots.size(),
                            res.outcome == SearchOutcome::OnlyMove))
                a.move = roots[1];
        }
        return a;
    }

private:
    SearchContext ctx_;
    EngineLimits limits_;
};

} // namespace

std::unique_ptr<MatchPlayer> makeEnginePlayer(const HashKeyTables& keys,
                                              const SearchKnowledge& knowledge,
                                              const ParameterSet& params,
                                              const EngineLimits& limits)
{
    return std::make_unique<EnginePlayer>(keys, knowledge, params, limits);
}

} // namespace kv
