// The generator's share of move ordering. The search owns the state that
// ordering reads (principal variation, hash move, killers, root scores) and
// hands it in through this narrow context, so the rules know nothing of the
// search.
#pragma once

#include "move.h"

namespace kv {

struct RootScore {
    Square from = 0;
    Square to = 0;
    int score = 0;
};

struct OrderingContext {
    int ply = 1;                        // the ply whose list is ordered
    bool followPv = false;              // still on the previous iteration's principal variation
    const MoveRecord* pvMove = nullptr; // principal-variation move stored for this ply
    bool hasHashMove = false;
    Square hashFrom = 0, hashTo = 0;
    const RootScore* rootScores = nullptr; // as many entries as the root list has moves
    int rootScoreCount = 0;
    // Killer and refutation ordering of the search; it sorts the list itself.
    void (*killerOrdering)(void* owner, MoveList& list, int ply) = nullptr;
    void* owner = nullptr;
};

// Sorts by key, highest first. Insertion sort: lists are short, nothing is
// allocated, and equal keys keep generation order.
void sortByKey(MoveList& list);

// Orders a freshly generated list as the search expects it.
void orderMoves(MoveList& list, bool captures, const OrderingContext& ctx);

} // namespace kv
