// The ballot list of a match: balanced openings, one a line, each written as
// the moves played from the initial position ("11-15 24-20 8-11"), or from a
// FEN given as the line's first word ("W:WK29:BK4,K3 29-25"). Text after '#'
// is a comment; empty lines are skipped. Every ballot is played twice, once
// with each colour.
#pragma once

#include "rules/notation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct Ballot {
    std::vector<std::string> moves; // short move texts, checked legal in turn
    std::string fen = "start";      // where the moves start
    Position start = initialPosition();
    int line = 0; // in the file, for messages
};

inline constexpr std::size_t kMaxBallotBytes = 1 << 20;
inline constexpr std::size_t kMaxBallots = 100000;

// Reads and checks a ballot list (a regular file of at most kMaxBallotBytes,
// at most kMaxBallots ballots); on failure returns nothing and a one-line
// reason naming the file or the line ("ballots.txt:12: no legal move 9-14").
std::optional<std::vector<Ballot>> readBallots(const std::string& path, std::string& why);
std::optional<std::vector<Ballot>> parseBallots(const std::string& text, const std::string& name,
                                                std::string& why);

} // namespace kv
