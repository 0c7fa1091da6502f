#include "bench.h"

#include "engine/search_driver.h"
#include "rules/notation.h"

#include <chrono>

namespace kv {

const std::vector<std::string>& benchPositions()
{
    static const std::vector<std::string> positions {
        // Opening
        "start",
        "B:W1-12:B21-32",
        "W:W1,2,3,4,5,6,7,9,10,11,12:B17,18,23,24,25,26,28,29,30,31,32",
        "W:W1,2,3,4,6,7,8,9,10,11,13:B12,17,23,24,25,26,27,28,29,30,31,32",
        "W:W1,2,3,4,5,7,8,9,11,12,13:B14,21,24,25,26,27,28,29,30,31,32",
        "W:W1,2,3,4,5,6,7,8,9,12,13:B18,19,21,24,25,27,28,29,30,31,32",
        // Middle game
        "W:W1,2,3,4,6,7,8,11,16:B20,22,24,25,28,29,30,31,32",
        "B:W1,2,3,4,7,8,10,11:B19,22,24,25,27,29,31,32",
        "W:W1,2,3,4,5,6,7,9,11,12:B17,18,20,23,26,28,29,30,31,32",
        "B:W1,3,5,6,7,8,9,12,24:B17,21,23,26,27,28,29,32",
        "W:W2,3,5,6,7,8,9,10,11,13:B17,19,21,23,24,25,29,30,31,32",
        "B:W2,3,5,6,7,9,10,13,15:B17,21,23,24,25,27,29,31,32",
        "W:W1,2,3,4,5,6,8:B9,14,25,26,28,29,30,31,32",
        "W:W1,2,4,5,8,12,18:B9,19,24,25,26,29,30,32",
        "W:W1,2,3,4,5,7,8,9,13,15:B10,24,25,26,27,28,29,30,31,32",
        "W:W3,4,5,6,7,8,9,14,15,17:B21,22,23,24,25,26,30,31,32",
        "B:W3,4,5,6,8,9,12,14,17:B15,21,23,24,25,26,28,30,32",
        "W:W1,2,3,4,5,7,8,9,16:B11,19,24,25,28,29,30,31,32",
        // Late middle game and endings with kings
        "W:W1,3,4,6,8,10:B15,21,22,26,27,31,32",
        "W:W3,4,5,6,10,15:B21,22,26,27,28,31",
        "W:W3,5,7,10,15,K30:B21,23,24,26",
        "W:W1,3,5,6,7,8,9,12,K25:B17,20,26,29,32",
        "B:W2,3,6,9:BK1,7,14,24,25,27,29,31,32",
        "W:W1,2,4,10,25,K31:B5,21,29,30",
        "W:W3,4,5,8,9,10,14,K29:B15,20,24,25,27,28,32",
        "W:W3,4,5,8,10,K30:B11,14,24,32",
        "W:W1,2,4,7,9,10,K30:B8,21,29,31,32",
        "B:W2,4,5,7,9,10,K17:B8,24,29,32",
        "W:W4,5,8,10,19,K27:B20,28",
        "W:W9:B14,K16,20,25,27,29,31,32",
        // Kings: wide root lists and long king manoeuvres
        "W:WK1,K2,K3,K4,K5,K12,K13,K20,K21,K28:B29,30,31,32",
        "W:WK1,K2,K3,K4,K8,K13,K24,K25,K29,K30:B9",
        "B:WK10,K23:BK3,K30,26",
        "W:WK14,6:BK27,K28,24",
    };
    return positions;
}

BenchResult runBench(int depth)
{
    BenchResult result;
    SearchContext ctx(HashKeyTables::generated());
    ctx.settings.levelTime = 32000; // no time limit: the depth alone ends each search
    ctx.settings.fixedDepth = depth;
    ctx.settings.bookEnabled = false;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& fen : benchPositions()) {
        auto pos = parseFen(fen);
        if (!pos) {
            result.bestMoves.push_back("invalid position");
            continue;
        }
        ctx.clearTranspositionTable();
        ctx.setLastCompletedScore(0);
        SearchRequest request;
        request.board = pos->board;
        request.side = pos->side;
        const SearchResult r = searchDriver(ctx, request);
        result.nodes += r.nodes;
        result.bestMoves.push_back(r.legalIndex >= 0 ? moveText(r.move) : std::string("none"));
    }
    result.seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace kv
