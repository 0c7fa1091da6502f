// Games for the exchange tests: played at random from a seed, or move by move.
#pragma once

#include "files/replay.h"
#include "rules/game_state.h"
#include "rules/geometry.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace kv::test {

inline std::unique_ptr<GameState> newGame(const char* white = "Dupont",
                                          const char* black = "Korvelan")
{
    auto g = std::make_unique<GameState>();
    g->whiteName = white;
    g->blackName = black;
    g->newGame();
    return g;
}

// Plays up to `plies` random legal moves; stops early when the side to move
// is stuck or `stop` says so after a move.
template <class Stop = bool (*)(const MoveRecord&)>
inline void playRandom(
    GameState& g, unsigned seed, int plies, Stop stop = [](const MoveRecord&) { return false; })
{
    std::mt19937 rng(seed);
    for (int i = 0; i < plies; ++i) {
        const int n = g.generateLegal();
        if (n == 0) return;
        const MoveRecord m = g.gen.list(1)[static_cast<int>(rng() % static_cast<unsigned>(n))];
        if (g.playMove(m, g.gen.captureCount()) != PlayResult::Played) return;
        if (stop(m)) return;
    }
}

// A long game: two kings that never meet walk back and forth.
inline void shuttle(GameState& g, int plies)
{
    const Position p = *parseFen("W:WK25:BK8");
    g.startFrom(p.board, p.side);
    static const char* const moves[4] = { "25-29", "8-4", "29-25", "4-8" };
    for (int i = 0; i < plies; ++i) {
        const std::string text = moves[i % 4];
        const Square from = internalSquare(std::stoi(text.substr(0, text.find('-'))));
        const Square to = internalSquare(std::stoi(text.substr(text.find('-') + 1)));
        const int n = g.generateLegal();
        for (int k = 0; k < n; ++k)
            if (g.gen.list(1)[k].from == from && g.gen.list(1)[k].to == to)
                g.playMove(g.gen.list(1)[k], 0);
    }
}

// The same moves and positions up to the current ply of each.
inline void expectSameGame(const GameState& a, const GameState& b)
{
    ASSERT_EQ(a.gamePly, b.gamePly);
    for (int k = 0; k <= a.gamePly; ++k) {
        EXPECT_EQ(a.record[k].squares, b.record[k].squares) << "ply " << k;
        EXPECT_EQ(a.record[k].from, b.record[k].from) << "ply " << k;
        EXPECT_EQ(a.record[k].to, b.record[k].to) << "ply " << k;
    }
    EXPECT_EQ(a.side, b.side);
}

} // namespace kv::test
