// A second, deliberately plain endgame solver for the tests. It shares only
// the move generator with the real one: it works on real positions (both
// colours, either side to move, no normalisation and no table index), finds
// every position reachable from the starting ones, and then settles values
// level by level, going forwards over each position's replies:
//   level 1: no move at all, a loss;
//   level d: won if some reply is lost at d - 1, lost if every reply is won
//   and the slowest at d - 1.
// A reply that takes the last enemy piece is lost at 1 for the opponent.
// Positions no level settles are draws.
#pragma once

#include "rules/board.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace kv::reference {

class Oracle {
public:
    void addStart(const Board& b, SideToMove side);
    void solve();

    std::size_t size() const { return keys_.size(); }
    std::optional<int> value(const Board& b, SideToMove side) const;

    // Every reached position with its value.
    template <typename Fn> void forEach(Fn&& fn) const
    {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            Board b;
            SideToMove side;
            decode(keys_[i], b, side);
            fn(b, side, static_cast<int>(values_[i]));
        }
    }

private:
    static std::uint64_t encode(const Board& b, SideToMove side);
    static void decode(std::uint64_t key, Board& b, SideToMove& side);
    int idOf(const Board& b, SideToMove side);

    std::unordered_map<std::uint64_t, int> ids_;
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t>
        firstReply_; // replies of i: replies_[firstReply_[i] .. firstReply_[i + 1])
    std::vector<std::int32_t> replies_; // a position id, or -1: the opponent has no piece left
    std::vector<std::int16_t> values_;
};

} // namespace kv::reference
