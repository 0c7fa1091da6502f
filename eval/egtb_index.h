// The layout of the 22 endgame tables: their file names, sizes, the material
// each holds and the index of a position in it.
//
// A table describes positions from the view of the side to move. Tables that
// hold a man are stored for white to move: with black to move the board is
// turned half a circle (s becomes 33 - s) and the colours are exchanged
// before the index is formed. Tables of kings only keep the real squares and
// only exchange the colours, since kings move alike for both sides. After that
// "canonical" step the side to move is always white, its men run towards
// squares 1..4 and the other side's towards 29..32.
//
// Every index is a sum of terms, one per group of like pieces: a single piece
// on s gives s - 1, two like pieces on p < q give T2 = (p - 1) + (q - 1)(q - 2)/2,
// three on p < q < r give T3 = T2 + (r - 1)(r - 2)(r - 3)/6; each term is
// multiplied by its group's stride and a table-wide base is added.
#pragma once

#include "rules/board.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace kv::egtb {

constexpr int kTableCount = 22;
using TableId = int; // 0..21, in load order

// One group of like pieces of a table, in the canonical frame.
struct PieceGroup {
    std::uint8_t code;  // PieceCode with white to move
    std::uint8_t count; // 1, 2 or 3 pieces
    std::uint32_t stride;
};

struct TableLayout {
    std::string_view name;
    std::uint32_t size; // bytes in the file
    std::uint32_t base; // added to every index
    std::uint8_t groupCount;
    std::array<PieceGroup, 3> groups;
    bool kingsOnly; // a ".bib" table: real squares whichever side moves
};

// The 22 tables in load order.
const std::array<TableLayout, kTableCount>& tableLayouts();
inline const TableLayout& tableLayout(TableId t) { return tableLayouts()[t]; }

// Pieces of the side to move and of the other side.
struct Material {
    int moverMen = 0, moverKings = 0, otherMen = 0, otherKings = 0;
    bool operator==(const Material&) const = default;
};
Material materialOf(const TableLayout& layout);

// The table holding this material, if any.
std::optional<TableId> tableFor(const Material& m);

// The table whose side to move is this table's other side: quiet moves lead
// from one into the other (a table with like sides is its own partner).
TableId partnerOf(TableId t);

// The index of a canonical board in table t. The board must hold exactly the
// table's material; squares of men on their crowning row give no index.
std::optional<std::uint32_t> canonicalIndex(TableId t, const Board& canonical);

// A located position: table and index.
struct TableSlot {
    TableId table;
    std::uint32_t index;
};

// Where a real position (any side to move) lies, or nothing when its material
// has no table.
std::optional<TableSlot> locate(const Board& b, SideToMove toMove);

// The canonical board of an index, or nothing when no position produces it.
std::optional<Board> decodeIndex(TableId t, std::uint32_t index);

// Calls fn(canonical board, index) for every position of the table, in
// increasing group order (not in index order).
void forEachPosition(TableId t, const std::function<void(const Board&, std::uint32_t)>& fn);

// A man of the canonical side to move may stand on 5..32, the other side's on 1..28.
constexpr bool canonicalSquareValid(std::uint8_t code, int s)
{
    return !(code == WhiteMan && s <= 4) && !(code == BlackMan && s >= 29);
}

// Combinatorial indices of sorted squares (1-based, p < q < r).
constexpr std::uint32_t pairIndex(int p, int q) { return (p - 1) + (q - 1) * (q - 2) / 2; }
constexpr std::uint32_t tripleIndex(int p, int q, int r)
{
    return pairIndex(p, q) + (r - 1) * (r - 2) * (r - 3) / 6;
}

} // namespace kv::egtb
