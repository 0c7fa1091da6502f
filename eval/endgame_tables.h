// The 22 endgame tables in memory, their files and the meaning of a byte.
//
// Value convention. A byte v judges the position from the side to move's
// view: v > 0 it wins, v < 0 it loses, v = 0 a draw. |v| - 1 is the number of
// plies still to be played until the loser is to move without a move or
// without a piece. Such an end position itself would be v = -1 (it is never
// stored: a table position always has pieces of both sides, but a position
// without a move is); a side that can take the last enemy piece or leave the
// enemy without a move has v = 2. Wins are therefore even and losses odd, a
// win is one more than the quickest reply lost for the opponent, a loss one
// more than the slowest reply won for the opponent.
//
// The search turns v into a score with searchScore(): kWinScore - v - ply for
// a win, -kWinScore - v + ply for a loss, 0 for a draw, so a quicker win and a win
// nearer the root always score higher and a longer resistance scores higher.
// Against the search's own end scores (kWinScore - ply when a move takes the last
// piece at that ply) a table win found at the same real distance scores one
// or two points lower; both stay far above every evaluation.
#pragma once

#include "egtb_index.h"
#include "eval/score_scale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::egtb {

// Beside the tables: one line "NAME HEX" per table, the checksum of its
// bytes, written with them, so a damaged table is refused when read.
inline constexpr const char* kTableSumsFile = "tables.sum";

constexpr int kEndLoss = -1;       // value of a side to move with no move or no piece
constexpr int kLongestValue = 127; // the largest |v| a signed byte holds

// A table value seen by the search at `ply`, from the side to move's view.
constexpr int searchScore(int v, int ply)
{
    if (v > 0) return kWinScore - v - ply;
    if (v < 0) return -kWinScore - v + ply;
    return 0;
}

class EndgameTables {
public:
    // Reads the 22 files from `dir`. A missing, short or oversized file, or
    // one whose bytes do not give the checksum in kTableSumsFile, is
    // refused: its table stays unloaded and one line saying so is returned.
    // Without kTableSumsFile the tables are used unchecked, and a line says
    // so. Tables already loaded are read again.
    std::vector<std::string> load(const std::string& dir);

    // Writes every loaded table and their checksums into `dir`; the lines say
    // what failed.
    std::vector<std::string> save(const std::string& dir) const;

    bool loaded(TableId t) const { return !data_[t].empty(); }
    int loadedCount() const;

    // Installs a table of the right size (the solver's output).
    void set(TableId t, std::vector<std::int8_t> bytes);
    const std::vector<std::int8_t>& bytes(TableId t) const { return data_[t]; }

    // The byte at an index of a loaded table; nothing outside the table.
    std::optional<int> at(TableId t, std::uint32_t index) const;

    // The value of a real position, or nothing when its material has no
    // table or the table is not loaded.
    std::optional<int> value(const Board& b, SideToMove toMove) const;

private:
    std::array<std::vector<std::int8_t>, kTableCount> data_;
};

} // namespace kv::egtb
