// A short search that puts what a reader loaded to work: parameters, keys,
// tables and learned scores only show their faults when the engine uses them.
#pragma once

#include "engine/search_context.h"
#include "engine/search_driver.h"
#include "rules/notation.h"

#include <array>
#include <string_view>

namespace kv::fuzz {

inline constexpr std::array<std::string_view, 4> kProbePositions = {
    "start",
    "W:W1,2,3,5,6,9,10,13,15,18,21:B12,14,17,19,20,22,24,25,27,28,31",
    "B:WK1,6,10,K18:B21,K27,30",
    "W:WK14:BK19,K23",
};

inline void searchBriefly(SearchContext& ctx, std::string_view fen, int depth = 2)
{
    ctx.settings.levelTime = 32000;
    ctx.settings.fixedDepth = depth;
    ctx.settings.bookEnabled = false;
    ctx.clockMs = [] { return std::int64_t(0); };
    const auto pos = parseFen(fen);
    if (!pos) return;
    SearchRequest request;
    request.board = pos->board;
    request.side = pos->side;
    searchDriver(ctx, request);
}

} // namespace kv::fuzz
