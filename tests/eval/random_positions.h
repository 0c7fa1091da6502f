// Varied positions for property tests and benchmarks: random legal-looking
// boards and positions reached by random play from the start.
#pragma once

#include "rules/movegen.h"

#include <random>
#include <vector>

namespace kv::test {

struct SidedBoard {
    Board board;
    SideToMove side;
};

// A random board with up to `maxPieces` pieces; no man stands on its
// promotion row. Kings appear with probability `kingShare`.
inline SidedBoard randomBoard(std::mt19937& rng, int maxPieces, double kingShare)
{
    SidedBoard p;
    p.board.clear();
    std::uniform_int_distribution<int> square(1, 32), count(2, maxPieces);
    std::bernoulli_distribution king(kingShare), coin(0.5);
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
        const int s = square(rng);
        if (p.board[s] != Empty) continue;
        const bool white = coin(rng);
        std::uint8_t code = white ? WhiteMan : BlackMan;
        if (king(rng) || promotes(code, static_cast<Square>(s))) ++code;
        p.board[s] = code;
    }
    p.side = coin(rng) ? White : Black;
    return p;
}

// Positions met in random games from the start, every ply of each game.
inline std::vector<SidedBoard> randomGamePositions(std::mt19937& rng, int games, int maxPlies)
{
    std::vector<SidedBoard> out;
    MoveGenerator gen;
    for (int g = 0; g < games; ++g) {
        SidedBoard p;
        p.board.setInitial();
        p.side = White;
        for (int ply = 0; ply < maxPlies; ++ply) {
            const int n = gen.generateLegal(p.board, p.side);
            if (n == 0) break;
            out.push_back(p);
            applyMove(p.board, gen.list(1)[std::uniform_int_distribution<int>(0, n - 1)(rng)]);
            p.side = p.side == White ? Black : White;
        }
    }
    return out;
}

} // namespace kv::test
