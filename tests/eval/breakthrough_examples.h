// Example positions of the breakthrough patterns and a small exact search to
// check that each breakthrough really crowns.
#pragma once

#include "eval/breakthrough_rules.h"
#include "rules/movegen.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kv::test {

// The smallest position a white pattern (entry i of the white list) speaks
// of: the conditions of the pattern and of every group around it, white men
// on its white and occupied squares, black men on its black squares, the
// rest of the board empty. White is to move.
// Some alternatives of the first patterns are reached only past the
// exceptions of earlier ones; their examples carry extra white and black
// men (0 ends a list).
struct ExampleExtra {
    std::string_view line;
    int white[3], black[3];
};
inline constexpr ExampleExtra kExampleExtras[] = {
    { "  w9 w13 = 180", { 14, 17 }, { 2 } },
    { "  w10 w13 = 180", { 14, 17 }, { 2 } },
};

inline Board breakthroughExample(std::size_t index)
{
    const auto rules = knowledge::breakthroughRules(true);
    std::uint32_t white = rules[index].need.own | rules[index].need.occupied;
    std::uint32_t black = rules[index].need.opp;
    // A group encloses the entry when it comes before it and ends after it.
    for (std::size_t g = 0; g < index; ++g)
        if (rules[g].isGroup() && rules[g].next > index) {
            white |= rules[g].need.own | rules[g].need.occupied;
            black |= rules[g].need.opp;
        }
    Board b;
    b.clear();
    for (int s = 1; s <= 32; ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        if (black & bit) b[s] = BlackMan;
        else if (white & bit) b[s] = WhiteMan;
    }
    for (const auto& x : kExampleExtras)
        if (x.line == knowledge::breakthroughSource()[rules[index].line]) {
            for (int i = 0; i < 3 && x.white[i] != 0; ++i) b[x.white[i]] = WhiteMan;
            for (int i = 0; i < 3 && x.black[i] != 0; ++i) b[x.black[i]] = BlackMan;
        }
    return b;
}

// Index of the first pattern of the list that matches, if any.
inline std::optional<std::size_t> firstMatch(std::span<const knowledge::BreakthroughRule> rules,
                                             const knowledge::BoardMasks& m)
{
    std::size_t i = 0;
    while (i < rules.size()) {
        const bool ok = rules[i].matches(m);
        if (rules[i].isGroup()) i = ok ? i + 1 : rules[i].next;
        else if (ok) return i;
        else ++i;
    }
    return std::nullopt;
}

inline knowledge::BoardMasks masksFor(const Board& b, SideToMove mover)
{
    knowledge::BoardMasks m { 0, 0, 0 };
    for (int s = 1; s <= 32; ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        if (b[s] == Empty) m.empty |= bit;
        else if (b[s] == (mover == White ? WhiteMan : BlackMan)) m.own |= bit;
        else if (b[s] == (mover == White ? BlackMan : WhiteMan)) m.opp |= bit;
    }
    return m;
}

// Material in hundredths of a man from `side`'s view: man 100, king 300.
inline int materialOf(const Board& b, SideToMove side)
{
    int v = 0;
    for (int s = 1; s <= 32; ++s) {
        const int worth = isMan(b[s]) ? 100 : isKing(b[s]) ? 300 : 0;
        v += (isWhite(b[s]) == (side == White) ? worth : -worth) * (b[s] != Empty);
    }
    return v;
}

// Plain alpha-beta over the real move generator: material at the leaves,
// captures searched out, a side without a move has lost. The defender
// (black) may pass instead of moving when it has no capture: in a real game
// it has spare moves elsewhere, so no breakthrough may rest on forcing it to
// move.
class BreakthroughSolver {
public:
    std::uint64_t nodes = 0;

    // When set, white fails as soon as it has lost a man before crowning:
    // what it wins then, it wins without a sacrifice.
    void forbidSacrifice(const Board& start)
    {
        whiteMen_ = 0;
        for (int s = 1; s <= 32; ++s) whiteMen_ += start[s] == WhiteMan;
    }
    void allowSacrifice() { whiteMen_ = 0; }

    int search(Board& b, SideToMove side, int depth, int alpha, int beta, int ply = 1)
    {
        ++nodes;
        if (whiteMen_ != 0) {
            int men = 0, kings = 0;
            for (int s = 1; s <= 32; ++s) {
                men += b[s] == WhiteMan;
                kings += b[s] == WhiteKing;
            }
            if (kings == 0 && men < whiteMen_) return side == White ? -15000 : 15000;
        }
        const int n = gen_.generate(b, side, ply);
        const bool mayPass = side == Black && gen_.captureCount() == 0;
        if (n == 0 && !mayPass) return -10000 + ply;
        if ((depth <= 0 && gen_.captureCount() == 0) || ply >= kMaxPly - 1)
            return materialOf(b, side);
        const SideToMove other = side == White ? Black : White;
        int best = -20000;
        for (int i = 0; i < n; ++i) {
            Board next = b;
            applyMove(next, gen_.list(ply)[i]);
            best = std::max(
                best, -search(next, other, depth - 1, -beta, -std::max(alpha, best), ply + 1));
            if (best >= beta) return best;
        }
        if (mayPass)
            best = std::max(best,
                            -search(b, other, depth - 1, -beta, -std::max(alpha, best), ply + 1));
        return best;
    }

private:
    MoveGenerator gen_;
    int whiteMen_ = 0;
};

} // namespace kv::test
