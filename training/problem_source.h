// The text from which the shipped problems are made: one block per problem,
//
//     [prob01]
//     fen W:W14,18:B22,23
//     goal win            (or: goal gain 2, at least two pieces ahead)
//     depth 11            (the most plies its proof may search)
//     solution 18-15 ...  (the proved line, the key first)
//     Les blancs jouent et gagnent.
//     ...                 (the rest of the block is the French statement)
//
// Lines starting with '#' outside a block are remarks.
#pragma once

#include "rules/notation.h"

#include <string>
#include <vector>

namespace kv {

struct ProblemEntry {
    std::string name;
    Position position;
    bool forcedWin = true; // else a material gain of `gainMen` men
    int gainMen = 0;       // pieces, kings and men alike
    int depth = 0;
    std::vector<std::string> solution; // short move texts, the key first
    std::vector<std::string> comment;
};

// Parses the whole text; on a fault returns nothing useful and sets `error`
// to the line number and reason.
std::vector<ProblemEntry> parseProblemSource(const std::string& text, std::string& error);

// The score a search must reach to prove the problem (search units).
int problemTarget(const ProblemEntry& p);

// The entry's block as the source holds it.
std::string formatProblemEntry(const ProblemEntry& p);

} // namespace kv
