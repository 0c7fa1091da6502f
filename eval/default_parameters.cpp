// The default evaluation parameters. This file is the one source of both the
// set built into the program and the shipped "parametres/defaut.par", which
// the build writes from it (tools/paramgen), so the two cannot differ.
//
// All values are in 1/200 of a man.
//
// How to read a men table. A table is indexed by the square as the owner of
// the man sees it: the owner's back row is at the bottom, its promotion row at
// the top, exactly as the parameter window draws it. Each line below is one
// row of the board from left to right; the own-view square numbers of the row
// are given on the right. In this picture
//   - the long diagonal runs from the bottom-left corner (4) to the top-right
//     corner (29): 4, 8, 11, 15, 18, 22, 25, 29;
//   - the owner's double corner is at the bottom right (1 and 5), the
//     opponent's at the top left (28 and 32);
//   - the left edge is 4, 12, 20, 28 and the right edge 5, 13, 21, 29.
// The top row is never used (a man arriving there is crowned) and holds 0.
//
// The tables only add what the other terms do not already say: the centre
// columns are rewarded separately (the centre sum, 15 per column point), and
// the advance of men separately (the tempo weights below), so the tables
// speak of the back-row guard, of edges and of squares a formation needs.
#include "parameters.h"

#include <initializer_list>

namespace kv {

namespace {

// One table drawn as above: 8 rows of 4 values, top row first, each row from
// left to right. In every row the own-view numbers run from right to left.
struct Drawn {
    int rows[8][4];
};

void putTable(ParameterSet& p, int table, const Drawn& d)
{
    for (int r = 0; r < 8; ++r) {
        const int rowFromBottom = 7 - r;
        for (int j = 0; j < 4; ++j)
            p.setTableEntry(table, rowFromBottom * 4 + (4 - j), static_cast<std::uint8_t>(d.rows[r][j]));
    }
}

void putBytes(ParameterSet& p, int offset, std::initializer_list<int> values)
{
    for (int v : values) p.bytes[offset++] = static_cast<std::uint8_t>(v);
}

// Opening: more than t0 men. Development is slow and the back row is the
// defence against every early king: the two inner back squares (2 and 3)
// are worth most, then the double-corner guard (1). Edge men (12, 13, 20)
// do little in the opening. A man that has run far ahead this early is
// worth a little, but the tempo weight keeps the side from rushing.
constexpr Drawn kOpening { {
    { 0, 0, 0, 0 },     // 32 31 30 29
    { 12, 12, 12, 12 }, // 28 27 26 25
    { 8, 9, 9, 6 },     // 24 23 22 21
    { 4, 8, 8, 6 },     // 20 19 18 17
    { 6, 7, 7, 3 },     // 16 15 14 13
    { 3, 6, 6, 5 },     // 12 11 10  9
    { 5, 6, 6, 7 },     //  8  7  6  5
    { 4, 10, 10, 8 },   //  4  3  2  1
} };

// Middle game: the fight for the centre of the opponent's half starts, so
// men on 18, 19, 22, 23 gain; the back row still guards but may thin out.
constexpr Drawn kMiddle { {
    { 0, 0, 0, 0 },
    { 16, 16, 16, 16 },
    { 10, 11, 11, 8 },
    { 6, 9, 9, 7 },
    { 6, 8, 8, 4 },
    { 4, 6, 6, 5 },
    { 4, 5, 5, 6 },
    { 3, 9, 9, 6 },
} };

// Pre-endgame: fewer pieces, so each advanced man is closer to a king that
// decides the game; the back row matters much less.
constexpr Drawn kPreEndgame { {
    { 0, 0, 0, 0 },
    { 22, 22, 22, 22 },
    { 14, 15, 15, 12 },
    { 8, 11, 11, 9 },
    { 6, 8, 8, 5 },
    { 4, 5, 5, 4 },
    { 2, 3, 3, 3 },
    { 2, 6, 6, 3 },
} };

// Endgame: a race to crown. Value grows steeply with each row; edges are a
// little worse because an edge man has one way forward only.
constexpr Drawn kEndgame { {
    { 0, 0, 0, 0 },
    { 34, 34, 34, 34 },
    { 24, 25, 25, 22 },
    { 15, 17, 17, 15 },
    { 9, 11, 11, 9 },
    { 5, 6, 6, 5 },
    { 2, 3, 3, 2 },
    { 0, 2, 2, 0 },
} };

// Variant type 1, the closed centre: both sides have locked the centre
// (see the squares below). Play goes through the centre, so the
// central squares and the men behind them (6, 7, 10, 11, 14, 15) count more
// and the edges less.
constexpr Drawn kOpeningVariant1 { {
    { 0, 0, 0, 0 },
    { 12, 12, 12, 12 },
    { 8, 10, 10, 6 },
    { 4, 10, 10, 5 },
    { 5, 9, 9, 2 },
    { 3, 8, 8, 4 },
    { 5, 7, 7, 6 },
    { 4, 10, 10, 8 },
} };

constexpr Drawn kMiddleVariant1 { {
    { 0, 0, 0, 0 },
    { 16, 16, 16, 16 },
    { 10, 12, 12, 8 },
    { 6, 11, 11, 6 },
    { 5, 10, 10, 3 },
    { 3, 7, 7, 4 },
    { 4, 6, 6, 5 },
    { 3, 9, 9, 6 },
} };

// Variant type 2, the flank game: each side has massed its men on its
// right wing as the drawing shows it (own-view 5, 9, 10, 13, 14, 17, 18) and
// attacks there, so those squares count more and the far wing less.
constexpr Drawn kOpeningVariant2 { {
    { 0, 0, 0, 0 },
    { 12, 12, 12, 12 },
    { 6, 8, 9, 9 },
    { 4, 7, 10, 10 },
    { 3, 6, 10, 8 },
    { 3, 5, 8, 8 },
    { 5, 6, 6, 8 },
    { 4, 10, 10, 8 },
} };

constexpr Drawn kMiddleVariant2 { {
    { 0, 0, 0, 0 },
    { 16, 16, 16, 16 },
    { 8, 10, 11, 11 },
    { 5, 8, 11, 11 },
    { 4, 7, 11, 8 },
    { 3, 5, 8, 8 },
    { 4, 5, 5, 7 },
    { 3, 9, 9, 6 },
} };

ParameterSet buildDefaults()
{
    ParameterSet p;
    putTable(p, OpeningTable, kOpening);
    putTable(p, MiddleTable, kMiddle);
    putTable(p, PreEndgameTable, kPreEndgame);
    putTable(p, EndgameTable, kEndgame);
    putTable(p, OpeningVariant1Table, kOpeningVariant1);
    putTable(p, MiddleVariant1Table, kMiddleVariant1);
    putTable(p, OpeningVariant2Table, kOpeningVariant2);
    putTable(p, MiddleVariant2Table, kMiddleVariant2);

    // Phases by the number of men (and, for the king's value, of pieces):
    // the opening lasts while more than 18 remain (three exchanges), the
    // middle game down to 13, the pre-endgame down to 9; with 8 or fewer the
    // game is an ending, where a king is worth 660 (3.3 men).
    putBytes(p, kThresholdOffset, { 18, 12, 8 });

    // Variant type 1, the closed centre: white has filled its fifth row
    // (17, 18, 19, 20) with 22, 23 and 27 behind, black the same from its
    // side (16, 15, 14, 13 with 11, 10, 6). Nine of the fourteen make the
    // variant; the starting position has six, so it takes a real build-up.
    putBytes(p, kVariant1WhiteOffset, { 17, 18, 19, 20, 22, 23, 27 });
    // Variant type 2, the flank game: white massed on 15, 16, 19, 20, 23, 24
    // and 28, black on 18, 17, 14, 13, 10, 9 and 5 (six at the start again).
    putBytes(p, kVariant2WhiteOffset, { 15, 16, 19, 20, 23, 24, 28 });
    putBytes(p, kVariant1BlackOffset, { 16, 15, 14, 13, 11, 10, 6 });
    putBytes(p, kVariant2BlackOffset, { 18, 17, 14, 13, 10, 9, 5 });

    // Tempo: the evaluation adds (weight + 5) per row of advance over the
    // opponent. In the opening and middle game the side that has advanced
    // less keeps reserve moves and a sound back row, so the weights are
    // negative and the net pull forward is small (2 or 3 per row). In the
    // closed centre waiting moves matter most (-4, -3); in the flank game
    // a little less (-2, -1). In the pre-endgame and endgame advanced men
    // become kings, so the weight turns positive.
    putBytes(p, kTempoOffset, { -3, -2, 1, 2, -4, -3, -2, -1 });
    return p;
}

} // namespace

ParameterSet defaultParameters()
{
    static const ParameterSet defaults = buildDefaults();
    return defaults;
}

} // namespace kv
