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
// The values are fitted. The first ones were drawn by hand (the back-row
// guard high, edges low, advanced men worth more as the game thins out);
// tools/paramtune then moved every table square, tempo weight and threshold
// to fit the results of some 5,000 engine games at depths 6 and 7, and kept
// a change only where it made the results easier to foretell. The set was
// adopted because it won a match of 2,366 games from other openings.
//
// A fitted table is not smooth, and one square's value alone says little:
// the centre columns and the advance of men are rewarded by other terms, the
// square-table sum is clamped together with them while more than t2 pieces
// stand, and the level of a whole table acts as the worth of a man against a
// king in that phase. What the fit kept from the drawings: the back row
// (1..4) guards in every phase, and in the ending a man one row from the
// crown (25..28) is worth nearly half a man.
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
            p.setTableEntry(table, rowFromBottom * 4 + (4 - j),
                            static_cast<std::uint8_t>(d.rows[r][j]));
    }
}

void putBytes(ParameterSet& p, int offset, std::initializer_list<int> values)
{
    for (int v : values) p.bytes[offset++] = static_cast<std::uint8_t>(v);
}

// Opening: more than t0 men.
constexpr Drawn kOpening { {
    { 0, 0, 0, 0 },     // 32 31 30 29
    { 48, 22, 12, 20 }, // 28 27 26 25
    { 48, 9, 57, 58 },  // 24 23 22 21
    { 26, 14, 16, 0 },  // 20 19 18 17
    { 4, 1, 33, 39 },   // 16 15 14 13
    { 45, 0, 2, 29 },   // 12 11 10  9
    { 9, 24, 36, 37 },  //  8  7  6  5
    { 34, 40, 62, 60 }, //  4  3  2  1
} };

// Middle game: more than t1 men.
constexpr Drawn kMiddle { {
    { 0, 0, 0, 0 },
    { 64, 54, 42, 60 },
    { 32, 17, 55, 60 },
    { 34, 27, 1, 35 },
    { 18, 0, 14, 44 },
    { 34, 0, 0, 23 },
    { 0, 7, 43, 28 },
    { 5, 43, 61, 58 },
} };

// Pre-endgame: more than t2 men.
constexpr Drawn kPreEndgame { {
    { 0, 0, 0, 0 },
    { 62, 74, 70, 74 },
    { 4, 9, 63, 46 },
    { 10, 25, 1, 53 },
    { 26, 0, 8, 51 },
    { 26, 1, 1, 20 },
    { 14, 1, 15, 33 },
    { 26, 58, 46, 55 },
} };

// Endgame: the rest, a race to crown.
constexpr Drawn kEndgame { {
    { 0, 0, 0, 0 },
    { 86, 86, 86, 86 },
    { 68, 73, 61, 6 },
    { 1, 17, 47, 1 },
    { 1, 39, 17, 1 },
    { 1, 0, 6, 1 },
    { 0, 23, 17, 0 },
    { 18, 54, 54, 52 },
} };

// Variant type 1, the closed centre: both sides have locked the centre
// (see the squares below).
constexpr Drawn kOpeningVariant1 { {
    { 0, 0, 0, 0 },
    { 34, 12, 12, 12 },
    { 0, 10, 28, 40 },
    { 0, 0, 58, 33 },
    { 1, 45, 47, 14 },
    { 41, 0, 56, 28 },
    { 19, 5, 19, 58 },
    { 44, 18, 62, 6 },
} };

constexpr Drawn kMiddleVariant1 { {
    { 0, 0, 0, 0 },
    { 0, 44, 16, 30 },
    { 10, 12, 0, 2 },
    { 58, 33, 23, 0 },
    { 7, 42, 0, 55 },
    { 1, 1, 1, 12 },
    { 0, 0, 12, 55 },
    { 11, 61, 45, 34 },
} };

// Variant type 2, the flank game: each side has massed its men on its
// right wing as the drawing shows it (own-view 5, 9, 10, 13, 14, 17, 18).
constexpr Drawn kOpeningVariant2 { {
    { 0, 0, 0, 0 },
    { 12, 12, 12, 12 },
    { 6, 8, 9, 17 },
    { 0, 1, 0, 46 },
    { 29, 0, 46, 10 },
    { 11, 53, 4, 36 },
    { 21, 32, 2, 60 },
    { 52, 2, 2, 0 },
} };

constexpr Drawn kMiddleVariant2 { {
    { 0, 0, 0, 0 },
    { 16, 16, 16, 16 },
    { 8, 16, 11, 1 },
    { 9, 8, 1, 1 },
    { 4, 19, 11, 20 },
    { 1, 1, 28, 0 },
    { 14, 1, 17, 9 },
    { 1, 21, 11, 6 },
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
    // middle game down to 14, the pre-endgame at 13 only; with 12 or fewer
    // the game is an ending, where a king is worth 660 (3.3 men) and the
    // square tables are no longer clamped with the centre terms.
    putBytes(p, kThresholdOffset, { 18, 13, 12 });

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
    // less keeps reserve moves and a sound back row, so the net pull is
    // backward (-2 and -4 per row), strongly so in the closed centre (-14),
    // where waiting moves decide; it is about even in the pre-endgame (+1).
    // In the flank game and in the ending, advancing pays.
    putBytes(p, kTempoOffset, { -7, -9, -4, -1, -19, -19, 9, 1 });
    return p;
}

} // namespace

ParameterSet defaultParameters()
{
    static const ParameterSet defaults = buildDefaults();
    return defaults;
}

} // namespace kv
