// Builds an opening library from deep searches of the engine.
//
// From the initial position the builder follows, for the side the library is
// for, the moves whose search score stays within `margin` of the best (so
// the book has variety) and, for the other side, its most promising replies
// by the same searches. Widths say how many moves are kept at each move of a
// side (the last entry holds for every later move); a width of 1 takes the
// search's best move with a single search. Lines end after `plies` plies on
// a move of the library's side, or earlier when a position is no longer
// balanced or the time budget is spent.
#pragma once

#include "engine/search_context.h"

#include <functional>
#include <string>
#include <vector>

namespace kv {

struct BookBuildOptions {
    SideToMove bookSide = White;
    int plies = 12;         // at least this many plies per line
    int depth = 9;          // root depth of every search
    int margin = 30;        // own moves kept within this of the best (1/200 man)
    int replyMargin = 120;  // replies kept within this of the opponent's best
    int balanceLimit = 250; // a line stops when the score leaves +- this
    std::vector<int> ownWidth { 1 };
    std::vector<int> replyWidth { 1 };
    double budgetSeconds = 0; // > 0: past this much processor time every width becomes 1
    std::function<void(const std::string&)> progress; // one message per finished line
};

struct BookBuildStats {
    int searches = 0;
    int lines = 0;
    double seconds = 0; // processor time
};

// The lines in the editors' "%2d-%2d " form, sorted.
std::vector<std::string> buildBook(SearchContext& ctx, const BookBuildOptions& options,
                                   BookBuildStats* stats = nullptr);

} // namespace kv
