// A search index over the breakthrough list. Most of its patterns sit in
// groups where every pattern describes one span of squares exactly (all of
// squares 1..20 named, the rest by "*20"): a board meets at most one of
// them, the one whose men on the span are exactly the board's. Such a group
// holds up to a hundred and fifty patterns; instead of trying them in turn,
// the index finds that one pattern by binary search on the men of the span.
// Other groups and patterns are tried in order as before, and the first
// match still decides.
#pragma once

#include "breakthrough_rules.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kv::knowledge {

// A pattern of an indexed group, keyed by its own men then its opponent's men.
struct ExactKey {
    std::uint64_t key = 0;
    std::uint16_t entry = 0; // index of the pattern in the list

    static constexpr std::uint64_t of(std::uint32_t own, std::uint32_t opp)
    {
        return std::uint64_t { own } << 32 | opp;
    }
    // Equal keys keep list order, so the first of two equal patterns is found.
    constexpr bool operator<(const ExactKey& o) const
    {
        return key < o.key || (key == o.key && entry < o.entry);
    }
};

template <std::size_t Entries> struct ExactIndex {
    std::array<ExactKey, Entries> sorted {}; // one sorted run per indexed group
    std::array<std::uint16_t, Entries> begin {},
        end {};                                 // by group entry: its run; empty when not indexed
    std::array<std::uint32_t, Entries> span {}; // by group entry: the squares its patterns describe

    constexpr bool indexed(std::size_t group) const { return begin[group] != end[group]; }
};

namespace detail {

// A pattern that names every square of `span` as own man, opponent's man or
// empty, each once, and nothing else.
constexpr bool describesExactly(const BreakthroughRule& r, std::uint32_t span)
{
    const SquareMasks& m = r.need;
    return !r.isGroup() && !r.unless.any() && m.occupied == 0 && m.notOwn == 0 && m.notOpp == 0
        && m.count < 0 && (m.own & m.opp) == 0 && (m.own & m.empty) == 0 && (m.opp & m.empty) == 0
        && (m.own | m.opp | m.empty) == span;
}

template <std::size_t Entries>
constexpr ExactIndex<Entries> indexExactGroups(const std::array<BreakthroughRule, Entries>& rules)
{
    ExactIndex<Entries> x {};
    std::size_t used = 0;
    for (std::size_t g = 0; g < Entries; ++g) {
        if (!rules[g].isGroup() || g + 1 >= rules[g].next) continue;
        const std::size_t first = g + 1, last = rules[g].next;
        const SquareMasks& lead = rules[first].need;
        const std::uint32_t span = lead.own | lead.opp | lead.empty;
        bool exact = true;
        for (std::size_t i = first; i < last; ++i)
            exact = exact && describesExactly(rules[i], span);
        if (!exact) continue;
        x.begin[g] = static_cast<std::uint16_t>(used);
        x.span[g] = span;
        for (std::size_t i = first; i < last; ++i)
            x.sorted[used++] = { ExactKey::of(rules[i].need.own, rules[i].need.opp),
                                 static_cast<std::uint16_t>(i) };
        std::sort(x.sorted.begin() + x.begin[g], x.sorted.begin() + used);
        x.end[g] = static_cast<std::uint16_t>(used);
    }
    return x;
}

} // namespace detail

// matchBreakthrough through the index: the value of the first match, or 0.
template <std::size_t Entries>
int matchIndexed(const std::array<BreakthroughRule, Entries>& rules,
                 const ExactIndex<Entries>& index, const BoardMasks& b)
{
    std::size_t i = 0;
    while (i < Entries) {
        const BreakthroughRule& r = rules[i];
        const bool ok = r.matches(b);
        if (!r.isGroup()) {
            if (ok) return r.value;
            ++i;
        } else if (!ok) {
            i = r.next;
        } else if (!index.indexed(i)) {
            ++i;
        } else {
            // The only pattern of the group that can match has the board's men
            // on the span; it still has to match (a king may stand where it
            // wants an empty square), and no other pattern of the group can.
            const std::uint32_t span = index.span[i];
            const ExactKey want { ExactKey::of(b.own & span, b.opp & span), 0 };
            const ExactKey* first = index.sorted.data() + index.begin[i];
            const ExactKey* last = index.sorted.data() + index.end[i];
            const ExactKey* found = std::lower_bound(first, last, want);
            if (found != last && found->key == want.key && rules[found->entry].matches(b))
                return rules[found->entry].value;
            i = r.next;
        }
    }
    return 0;
}

} // namespace kv::knowledge
