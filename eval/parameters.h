// Evaluation parameters: the byte image of a ".par" file.
//
// The set is the 1162-byte image itself: every item is read from its fixed
// offset, so a load followed by a save gives back the file byte for byte,
// including entry 0 of every table and the reserved tail, which nothing reads.
#pragma once

#include "rules/board.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

constexpr int kParameterFileSize = 1162;

// The eight men tables, in file order. Each has 33 entries indexed by the
// own-view square (entry 0 is not a square).
enum MenTableId : int {
    OpeningTable = 0,     // "Début par défaut"
    MiddleTable,          // "Milieu par défaut"
    PreEndgameTable,      // "Préfinale par défaut"
    EndgameTable,         // "Finale par défaut"
    OpeningVariant1Table, // "Début variante type 1 : "
    MiddleVariant1Table,  // "Milieu variante type 1 : "
    OpeningVariant2Table, // "Début variante type 2 : "
    MiddleVariant2Table,  // "Milieu variante type 2 : "
};
constexpr int kMenTables = 8;
constexpr int kTableEntries = 33;

// The eight tempo weights, in file order.
enum TempoId : int {
    TempoOpening = 0,
    TempoMiddle,
    TempoPreEndgame,
    TempoEndgame,
    TempoOpeningVariant1,
    TempoMiddleVariant1,
    TempoOpeningVariant2,
    TempoMiddleVariant2,
};

// Offsets of the groups inside the image.
constexpr int kThresholdOffset = 264;     // t0, t1, t2
constexpr int kVariant1WhiteOffset = 267; // 7 squares each
constexpr int kVariant2WhiteOffset = 274;
constexpr int kVariant1BlackOffset = 281;
constexpr int kVariant2BlackOffset = 288;
constexpr int kTempoOffset = 295;    // 8 weights
constexpr int kReservedOffset = 303; // up to the end: kept, never read
constexpr int kVariantSquares = 7;

struct ParameterSet {
    std::array<std::uint8_t, kParameterFileSize> bytes {};

    std::uint8_t tableEntry(int table, int square) const
    {
        return bytes[table * kTableEntries + square];
    }
    void setTableEntry(int table, int square, std::uint8_t v)
    {
        bytes[table * kTableEntries + square] = v;
    }

    // Phase thresholds t0, t1, t2 (i = 0, 1, 2), as signed bytes.
    int threshold(int i) const { return static_cast<std::int8_t>(bytes[kThresholdOffset + i]); }
    // The i-th square (0..6) of variant 1 or 2 that should hold a man of `side`.
    int variantSquare(int variant, SideToMove side, int i) const;
    int tempoWeight(int id) const { return static_cast<std::int8_t>(bytes[kTempoOffset + id]); }

    bool operator==(const ParameterSet&) const = default;
};

// The shipped default parameters, built into the program as well as written
// to "parametres/defaut.par", so that tests and tools need no file.
ParameterSet defaultParameters();

// Where a file routine reports its failure ("Impossible d'ouvrir ce fichier");
// the window shows it in its "Erreur" box, the tools print it.
using ErrorReport = std::function<void(const std::string&)>;

inline constexpr std::string_view kCannotOpenFile = "Impossible d'ouvrir ce fichier";

// Reads up to 1162 bytes of `path` over the start of the image; a shorter
// file leaves the rest as it was. When the file cannot be opened or read,
// reports and leaves the set unchanged. Returns whether the set was read.
bool loadParameters(ParameterSet& set, const std::string& path, const ErrorReport& report);

// Writes the whole image to `path`. When the file cannot be opened or
// written, reports and returns false.
bool saveParameters(const ParameterSet& set, const std::string& path, const ErrorReport& report);

// The editor's view of the set: one item per edit box (the 8 x 32 table
// squares, the three thresholds, the 28 variant squares and the 8 tempo
// weights), each at a fixed offset of the image.
constexpr int kParameterItems = kMenTables * 32 + 3 + 4 * kVariantSquares + 8;
static_assert(kParameterItems == 295);

// Offset in the image of item i (0 .. kParameterItems - 1). Items follow the
// file: the 32 squares of each table in turn, then t0, t1, t2, the variant
// squares (variant 1 white, variant 2 white, variant 1 black, variant 2
// black) and the eight tempo weights.
int parameterItemOffset(int item);

// Where a table's edit box for own-view square v (1..32) sits in its panel:
// the owner's back row at the bottom, each row read from right to left.
struct PanelPlace {
    int x;             // horizontal position within the panel
    int rowFromBottom; // 0 for squares 1..4, 7 for 29..32
};
PanelPlace parameterPanelPlace(int v);
// Tables show their bytes as unsigned values 0..255, the other items as signed.
bool parameterItemIsSigned(int offset);
// The text an edit box shows for the byte at `offset`.
std::string parameterItemText(const ParameterSet& set, int offset);
// The values an edit box accepts: a table square 0..255, a phase threshold
// 0..24 pieces, a variant square 0..32 (0 for none) and a tempo weight
// -128..127, all stored in one byte.
struct ParameterRange {
    int low;
    int high;
};
ParameterRange parameterItemRange(int offset);
// The byte an edit box's text stands for: an optional sign and digits, with
// spaces around, inside the item's range; nothing for any other text, so a
// value is never wrapped or guessed.
std::optional<std::uint8_t> parameterItemFromText(int offset, std::string_view text);

} // namespace kv
