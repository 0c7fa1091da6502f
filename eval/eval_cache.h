// Recent values of the evaluation's costly terms, by position. The knowledge
// terms and the learned patterns read only the board and the side to move, and
// a search meets the same leaves again and again: through transpositions and
// in every iteration. One cache per search; it is emptied whenever the
// evaluation's settings may have changed (at the start of each search).
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kv {

// White's view of the terms, before the root side's sign.
struct CostlyTerms {
    std::int16_t runaway = 0;
    std::int16_t breakthrough = 0;
    std::int16_t structure = 0; // formations and man structure, where they apply
    std::int32_t learned = 0;   // sixteen table values: wider than the others
};

class EvalCache {
public:
    explicit EvalCache(int bits = 13)
        : entries_(std::size_t(1) << bits), mask_((1u << bits) - 1) { }

    void clear() { std::fill(entries_.begin(), entries_.end(), Entry {}); }

    // `key` names the board and the side to move.
    const CostlyTerms* find(std::uint64_t key) const
    {
        const Entry& e = entries_[key & mask_];
        return e.check == checkOf(key) ? &e.terms : nullptr;
    }
    void store(std::uint64_t key, const CostlyTerms& terms)
    {
        entries_[key & mask_] = { checkOf(key), terms };
    }

private:
    struct Entry {
        std::uint32_t check = 0; // 0: empty
        CostlyTerms terms;
    };
    // Never 0, so that no key matches an empty entry.
    static std::uint32_t checkOf(std::uint64_t key) { return std::uint32_t(key >> 32) | 1; }

    std::vector<Entry> entries_;
    std::uint32_t mask_;
};

} // namespace kv
