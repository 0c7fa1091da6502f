// The retrograde solver that computes the 22 endgame tables.
//
// Inside one table only quiet moves without a crowning keep the material, and
// they lead into the table's partner (the same pieces with the other side to
// move). Captures and crownings leave for tables of other material, so the
// tables are solved in pairs, in an order where those are already known.
//
// A pair is solved by distance. Every position is first judged from its
// moves that leave the pair; a position without a move is lost at once.
// Then positions are finished in increasing |v|: a lost position makes each
// of its predecessors won one ply later, and a won one takes a reply away
// from each predecessor, which is lost once all its replies are won. The
// predecessors come from taking a quiet move back and checking that no
// capture was due. Whatever is never finished is a draw.
#pragma once

#include "endgame_tables.h"

#include <string>
#include <vector>

namespace kv::egtb {

struct TableStats {
    TableId table = 0;
    std::uint32_t positions = 0, wins = 0, losses = 0, draws = 0;
    int longestWin = 0;  // largest v
    int longestLoss = 0; // largest |v| of a loss
};

struct SolveResult {
    std::vector<TableStats> stats; // in solving order
    std::string error;             // empty when every table was solved
};

// The pairs of partner tables in an order where every capture and crowning
// leads into a table solved earlier.
const std::vector<std::vector<TableId>>& solvingOrder();

// Solves every table of at most `maxPieces` pieces into `tables`. On an
// error (a distance that no longer fits a byte, a successor without a solved
// table) it stops and says why.
SolveResult solveAllTables(EndgameTables& tables, int maxPieces = 4);

} // namespace kv::egtb
