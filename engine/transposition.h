// The transposition table: one 12-byte entry per slot, chosen by the index key
// modulo the table size. Every entry remembers which side the storing search
// was made for and which kind of node stored it, so that a search for the
// other side (the one made on the opponent's time, for instance) can read it
// with the score negated and the bound exchanged.
#pragma once

#include "engine/scores.h"
#include "rules/board.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv {

struct TranspositionEntry {
    std::uint32_t check = 0;
    std::int16_t score = 0;   // root side's view of the storing search
    Square from = 0, to = 0;  // best move found, 0 when none
    std::uint8_t type = 0;    // EntryType; 0 = empty
    std::uint8_t ply = 0;     // ply in the search + game ply
    std::uint8_t horizon = 0; // game ply + the search ply where the storing node's search stopped
    std::uint8_t unused = 0;
};
static_assert(sizeof(TranspositionEntry) == 12);

// The eight size settings of the Options menu.
struct TableSize {
    const char* label;
    int sizeFactor;  // entries = sizeFactor x 1310
    int depthOffset; // max nodes use the table while ply - offset < 18, min nodes < 17
};
inline constexpr std::array<TableSize, 8> kTableSizes { {
    { "0 Mo", 10, -4 },
    { "0,7 Mo", 50, 0 },
    { "1,5Mo", 100, 2 },
    { "3Mo", 200, 2 },
    { "5Mo", 350, 2 },
    { "10Mo", 700, 4 },
    { "15Mo", 1000, 6 },
    { "25Mo", 2000, 8 },
} };
constexpr int kEntriesPerSizeFactor = 1310;
constexpr int kDefaultSizeFactor = 100;

// What a node does with an entry it found, for root side s. An entry stored
// by a search for the other side is read with its score negated and its
// bound exchanged: the same side is to move at a max node of one search and
// at a min node of the other.
struct TableUse {
    bool returns = false; // the node returns `score` at once
    int score = 0;
    bool hashMove = false;   // otherwise: try the entry's move first...
    int alpha = 0, beta = 0; // ...with this window (it may widen)
};
TableUse useAtMaxNode(int type, int v, int s, int alpha, int beta);
TableUse useAtMinNode(int type, int v, int s, int alpha, int beta);

class TranspositionTable {
public:
    explicit TranspositionTable(int sizeFactor = kDefaultSizeFactor);

    // Reallocates for a new size factor (0 means the default); the table starts empty.
    void resize(int sizeFactor);
    void clear();

    int sizeFactor() const { return sizeFactor_; }
    std::size_t entries() const { return table_.size(); }

    TranspositionEntry& slot(std::uint32_t indexKey) { return table_[reduce(indexKey)]; }
    const TranspositionEntry& slot(std::uint32_t indexKey) const
    {
        return table_[reduce(indexKey)];
    }

    // A hint that the slot of `indexKey` will be read soon.
    void prefetch(std::uint32_t indexKey) const { __builtin_prefetch(&table_[reduce(indexKey)]); }

    // The entry for the position if it was stored at the same absolute ply by
    // a search that looked at least as far; nullptr otherwise. `horizon` is
    // the search ply where the asking node's search stops (the iteration
    // depth with the node's extensions and reductions).
    const TranspositionEntry* probe(std::uint32_t indexKey, std::uint32_t checkKey, int ply,
                                    int gamePly, int horizon) const;

    // The entry for the position at the same absolute ply whatever the depth
    // of its search (its move is still the one to try first).
    const TranspositionEntry* find(std::uint32_t indexKey, std::uint32_t checkKey, int ply,
                                   int gamePly) const;
    // Whether the entry's search looked at least as far as a node whose
    // search stops at ply `horizon`.
    static bool deepEnough(const TranspositionEntry& e, int gamePly, int horizon)
    {
        return e.horizon >= gamePly + horizon;
    }

    // Writes unless the replacement rules keep the old entry. `pieces` is the
    // number of pieces on the board: three or fewer are never stored.
    // Returns whether the entry was written.
    bool store(std::uint32_t indexKey, std::uint32_t checkKey, int score, int ply, int type,
               Square from, Square to, int gamePly, int horizon, int pieces);

private:
    // indexKey % entries, without a division: the remainder of a 32-bit key
    // by a 32-bit divisor from a 64-bit reciprocal (exact for every key).
    std::uint32_t reduce(std::uint32_t key) const
    {
        const std::uint64_t low = reciprocal_ * key;
        return static_cast<std::uint32_t>((static_cast<unsigned __int128>(low) * divisor_) >> 64);
    }

    int sizeFactor_ = kDefaultSizeFactor;
    std::vector<TranspositionEntry> table_;
    std::uint64_t divisor_ = 1;
    std::uint64_t reciprocal_ = 0;
};

} // namespace kv
