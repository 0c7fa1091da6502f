// The positions a search can return to without a capture or a man's move:
// those of the game since its last such move and those on the search's own
// path. A node that shows one of them again with the same side to move is a
// draw: the side that left the position can always repeat the cycle.
#pragma once

#include "engine/hash_keys.h"
#include "rules/move.h"
#include "rules/record.h"

#include <array>
#include <cstdint>

namespace kv {

class RepetitionTrail {
public:
    static constexpr int kMaxPath = kMaxPly + 2; // search plies, the root being ply 1
    static constexpr int kMaxGameKeys = 128;     // game positions kept before the root

    // Keeps the positions of entries gamePly - 1, gamePly - 2, ... of the
    // record that led to entry gamePly (the root) by king moves without
    // captures; none without a record.
    void loadGame(const GameRecord* record, int gamePly, const HashKeyTables& keys);
    // How many plies in a row before the root were king moves without captures.
    int reversibleAtRoot() const { return gameCount_; }

    void enter(int ply, std::uint64_t key) { path_[ply] = key; }
    // Whether the node at `ply`, entered after `reversible` king moves in a
    // row without captures, repeats a position with the same side to move.
    bool repeats(int ply, int reversible) const
    {
        for (int d = 4; d <= reversible; d += 2) {
            const int back = ply - d;
            if (back >= 1) {
                if (path_[back] == path_[ply]) return true;
            } else {
                const int before = 1 - back; // plies before the root
                if (before > gameCount_) return false;
                if (game_[before - 1] == path_[ply]) return true;
            }
        }
        return false;
    }

private:
    std::array<std::uint64_t, kMaxPath> path_ {};
    std::array<std::uint64_t, kMaxGameKeys> game_ {}; // game_[k - 1]: k plies before the root
    int gameCount_ = 0;
};

} // namespace kv
