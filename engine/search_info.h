// What a search reports while it runs: numbers and moves, never text. The
// window and the command-line tool lay them out in their own words.
#pragma once

#include "rules/move.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// The search as it stands after a root move or an iteration.
struct SearchInfo {
    int depth = 0; // the iteration's depth, one more once its last root move is done
    std::uint32_t nodes = 0;
    bool timed = false;                         // the search keeps time: elapsedMs is meaningful
    std::int64_t elapsedMs = 0;                 // this search's thinking time
    int score = 0;                              // search units (200 = a man), root side's view
    int moveNumber = 0;                         // the number of the move being searched
    std::vector<MoveRecord> principalVariation; // at most 32 plies

    int shownScore() const { return score / 2; } // hundredths of a man
};

// One move of the root list with its score; `searching` while the search
// has not yet found its score in this iteration.
struct RootLine {
    MoveRecord move;
    int score = 0;
    bool searching = false;
};

// The labels of the statistics lines, in the caller's language.
struct SearchInfoLabels {
    std::string depth, nodes, time, speed, score, moves;
};

// The statistics lines: depth, nodes, time and speed (when timed), score,
// move number, then the principal variation two plies a line.
std::vector<std::string> searchInfoLines(const SearchInfo& info, const SearchInfoLabels& labels);

// "22-18 :    35" and, while searching, " ?<---" after it.
std::string rootLineText(const RootLine& line);

} // namespace kv
