#include "oracle.h"

#include "rules/movegen.h"

#include <algorithm>
#include <memory>

namespace kv::reference {

namespace {
constexpr std::int16_t kUnknown = 1000;
}

std::uint64_t Oracle::encode(const Board& b, SideToMove side)
{
    std::uint64_t key = 0;
    for (int s = 1; s <= kSquares; ++s)
        if (b[s] != Empty) key = key << 8 | static_cast<std::uint64_t>((s - 1) << 3 | b[s]);
    return key << 1 | side;
}

void Oracle::decode(std::uint64_t key, Board& b, SideToMove& side)
{
    b.clear();
    side = static_cast<SideToMove>(key & 1);
    for (key >>= 1; key != 0; key >>= 8) b[((key & 0xff) >> 3) + 1] = key & 7;
}

int Oracle::idOf(const Board& b, SideToMove side)
{
    const std::uint64_t key = encode(b, side);
    auto [it, fresh] = ids_.try_emplace(key, static_cast<int>(keys_.size()));
    if (fresh) keys_.push_back(key);
    return it->second;
}

void Oracle::addStart(const Board& b, SideToMove side) { idOf(b, side); }

std::optional<int> Oracle::value(const Board& b, SideToMove side) const
{
    const auto it = ids_.find(encode(b, side));
    if (it == ids_.end() || values_.empty()) return std::nullopt;
    return values_[it->second];
}

void Oracle::solve()
{
    auto gen = std::make_unique<MoveGenerator>();
    firstReply_.clear();
    replies_.clear();
    // Ids are handed out in discovery order, so walking them in order is a
    // breadth-first search that also lays the replies out id by id.
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        firstReply_.push_back(static_cast<std::uint32_t>(replies_.size()));
        Board b;
        SideToMove side;
        decode(keys_[i], b, side);
        const int n = gen->generate(b, side, 1);
        for (int m = 0; m < n; ++m) {
            Board next = b;
            applyMove(next, gen->list(1)[m]);
            const PieceCounts c = PieceCounts::of(next);
            const bool opponentGone = side == White ? c.black() == 0 : c.white() == 0;
            replies_.push_back(opponentGone ? -1 : idOf(next, static_cast<SideToMove>(1 - side)));
        }
    }
    firstReply_.push_back(static_cast<std::uint32_t>(replies_.size()));

    values_.assign(keys_.size(), kUnknown);
    auto replyValue = [&](std::int32_t r) { return r < 0 ? std::int16_t(-1) : values_[r]; };
    for (int level = 1;; ++level) {
        std::vector<std::pair<std::size_t, std::int16_t>> settled;
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (values_[i] != kUnknown) continue;
            bool wonNow = false, allWon = true;
            int slowest = 0;
            for (std::uint32_t k = firstReply_[i]; k < firstReply_[i + 1]; ++k) {
                const int v = replyValue(replies_[k]);
                if (v == -(level - 1)) wonNow = true;
                if (v == kUnknown || v <= 0) allWon = false;
                else slowest = std::max(slowest, v);
            }
            if (wonNow && level > 1) settled.emplace_back(i, static_cast<std::int16_t>(level));
            else if (allWon && slowest == level - 1)
                settled.emplace_back(i, static_cast<std::int16_t>(-level));
        }
        if (settled.empty() && level > 2) break;
        for (auto [i, v] : settled) values_[i] = v;
    }
    for (auto& v : values_)
        if (v == kUnknown) v = 0;
}

} // namespace kv::reference
