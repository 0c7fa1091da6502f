// Checks the endgame tables against the rules, position by position: every
// value must follow from the values of the position's replies.
//   win v:  some reply is lost for the opponent at v - 1, none more quickly;
//   loss v: every reply is won for the opponent, the slowest at |v| - 1
//           (no reply at all: v = -1);
//   draw:   no reply is lost for the opponent and at least one is drawn.
// A reply that takes the last enemy piece counts as lost at -1 for the
// opponent. Replies are read from the same tables, so a table whose replies
// lead into a missing table cannot be checked and counts as an error.
#pragma once

#include "endgame_tables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv::egtb {

struct VerifyReport {
    std::uint64_t checked = 0;
    std::uint64_t errors = 0;
    std::vector<std::string> examples; // the first few errors, one line each
};

VerifyReport verifyTable(const EndgameTables& tables, TableId t, std::size_t maxExamples = 10);
VerifyReport verifyAllTables(const EndgameTables& tables, std::size_t maxExamples = 10);

// The error, if any, of one canonical position of table t with value v.
// `replies` are the values of its replies for the opponent.
std::string checkValue(int v, const std::vector<int>& replies);

} // namespace kv::egtb
