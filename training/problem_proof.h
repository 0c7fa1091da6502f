// Proofs of problems by exhaustive search, with no evaluation to trust.
//
// A win is proved to the end: every defence is followed until the defender
// has no move or no piece, or until the endgame tables give the position as
// won. A material gain of n pieces is proved at a horizon: searching every
// move to that depth, then on while captures remain, the attacker keeps at
// least n pieces more than at the start in a position without a capture (or
// wins outright); positions the tables know count only as what the tables
// say. The gain must hold at the shortest such horizon and four plies deeper.
// The key, the first move, must be the only one: every other first move is
// proved to fail, a win by a defence that reaches a table position the
// attacker does not win (or leaves the attacker without a move), a gain by
// the same search at every horizon.
#pragma once

#include "eval/endgame_tables.h"
#include "rules/movegen.h"
#include "rules/notation.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kv {

struct ProblemGoal {
    bool win = true; // else a gain of `gainPieces` pieces
    int gainPieces = 0;
};

struct ProblemProof {
    bool proven = false;
    std::string failure;          // why not, when not proven
    MoveRecord key;               // the only first move that reaches the goal
    std::vector<MoveRecord> line; // the key, the longest defence, the attacker's answers
    int plies = 0;                // a win: plies to the end; a gain: the shortest horizon
    long long nodes = 0;
};

class ProblemProver {
public:
    // `tables` may be null: a win must then be proved to the last piece.
    explicit ProblemProver(const egtb::EndgameTables* tables) : tables_(tables) { }

    // `maxPlies` bounds every search and `nodeLimit` their positions: a proof
    // that needs more is not found.
    ProblemProof prove(const Position& start, ProblemGoal goal, int maxPlies,
                       long long nodeLimit = 60'000'000);

private:
    enum Mode : std::uint8_t { Win, Hold, Gain };
    struct Key {
        std::uint64_t low = 0, high = 0;
        bool operator==(const Key&) const = default;
    };
    struct Bounds {
        int provenAt = 1 << 20;     // true at this depth and deeper
        int refutedAt = -(1 << 20); // false at this depth and shallower
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const
        {
            return static_cast<std::size_t>(k.low * 0x9E3779B97F4A7C15ull ^ k.high);
        }
    };

    // Whether the side that seeks `mode`'s goal reaches it within `depth`
    // plies: Win and Gain are sought by the attacker, Hold by the defender.
    bool forced(Board& b, SideToMove toMove, int depth, int ply);
    bool leaf(Board& b, SideToMove toMove, int depth, int moves, bool& result) const;
    int balance(const Board& b) const;
    Key keyOf(const Board& b, SideToMove toMove, int depth) const;
    // The shortest depth within `maxPlies` at which `forced` holds, or -1.
    int shortestWin(Board& b, SideToMove toMove, int maxPlies, int ply);
    std::vector<MoveRecord> mainLine(const Board& start, SideToMove side, int plies);

    const egtb::EndgameTables* tables_;
    MoveGenerator gen_;
    Mode mode_ = Win;
    SideToMove attacker_ = White;
    int target_ = 0; // the balance a gain must reach
    bool truncated_ = false;
    long long nodeLimit_ = 0;
    long long nodes_ = 0;
    std::unordered_map<Key, Bounds, KeyHash> memo_;
};

} // namespace kv
