// Stored knowledge the search consults on entering a node, before it
// generates moves: endgame tables, the kings-versus-men rule and learned
// positions. The base class knows nothing; the endgame module fills it in.
#pragma once

#include "rules/board.h"

#include <cstdint>
#include <optional>

namespace kv {

class SearchKnowledge {
public:
    virtual ~SearchKnowledge() = default;

    // Table score for a node of at most four pieces, already converted to a
    // search score from the root side's view (negated at even plies), or
    // nothing when the material has no table or the table is not loaded.
    virtual std::optional<int> probeEndgame(const Board&, const PieceCounts&, SideToMove /*toMove*/,
                                            SideToMove /*rootSide*/, int /*ply*/) const
    {
        return std::nullopt;
    }

    // Whether the kings hold the men in one of the known winning set-ups.
    // colour 0: white kings against black men; menCount counts those men.
    virtual bool kingsVersusMen(const Board&, int /*menCount*/, int /*colour*/) const
    {
        return false;
    }

    // The learned score stored for the keys (the caller has already raised the
    // index key when white is to move), from the side to move's view; nothing
    // when the slot holds another position or no information.
    virtual std::optional<int> learned(std::uint32_t /*indexKey*/, std::uint32_t /*checkKey*/) const
    {
        return std::nullopt;
    }
    // A hint that learned(indexKey, ...) will be asked soon.
    virtual void prefetchLearned(std::uint32_t /*indexKey*/) const { }
};

} // namespace kv
