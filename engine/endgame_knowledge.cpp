#include "endgame_knowledge.h"

#include "rules/geometry.h"

#include <array>
#include <filesystem>

namespace kv {

namespace {

// Diagonal coordinates of the squares 1..32: the first numbers one family of
// diagonals (1 on the corner square 29, 8 on square 4), the second the other
// family (1 on squares 1 and 5, 7 on squares 28 and 32).
constexpr std::array<std::uint8_t, 33> kFirstDiagonal = {
    0, 5, 6, 7, 8, 4, 5, 6, 7, 4, 5, 6, 7, 3, 4, 5, 6,
    3, 4, 5, 6, 2, 3, 4, 5, 2, 3, 4, 5, 1, 2, 3, 4,
};
constexpr std::array<std::uint8_t, 33> kSecondDiagonal = {
    0, 1, 2, 3, 4, 1, 2, 3, 4, 2, 3, 4, 5, 2, 3, 4, 5,
    3, 4, 5, 6, 3, 4, 5, 6, 4, 5, 6, 7, 4, 5, 6, 7,
};

// A set-up written for white kings against black men: a white king on one
// end of a diagonal with the other end empty, few enough black men, every
// black man on its side of the king's diagonal and out of reach of white
// pieces, every white man on the other side.
struct KingsVersusMenPattern {
    Square end1, end2;
    int menBelow; // fewer black men than this
    const std::array<std::uint8_t, 33>* coordinate;
    int blackLow, blackHigh; // coordinates a black man may have
    int whiteLow, whiteHigh; // coordinates a white man may have
};

constexpr std::array<KingsVersusMenPattern, 3> kPatterns = { {
    { 1, 28, 4, &kFirstDiagonal, 6, 8, 1, 4 },
    { 2, 20, 5, &kFirstDiagonal, 7, 8, 1, 5 },
    { 3, 21, 5, &kSecondDiagonal, 1, 2, 4, 7 },
} };

constexpr std::uint8_t swapColour(std::uint8_t code)
{
    if (code == WhiteMan || code == WhiteKing) return static_cast<std::uint8_t>(code + 2);
    if (code == BlackMan || code == BlackKing) return static_cast<std::uint8_t>(code - 2);
    return code;
}

// The board as the white-kings patterns read it: black kings are seen as
// white ones on the half-turned board, so one set of patterns serves both.
std::uint8_t viewAt(const Board& b, Square s, int colour)
{
    return colour == 0 ? b[s] : swapColour(b[mirror(s)]);
}

Board patternView(const Board& b, int colour)
{
    if (colour == 0) return b;
    Board v;
    v.clear();
    for (int s = 1; s <= kSquares; ++s) v[s] = viewAt(b, static_cast<Square>(s), colour);
    return v;
}

bool touchesWhite(const Board& v, int s)
{
    for (int d = 0; d < kDirections; ++d)
        if (isWhite(v[DirectionTable[d][s]])) return true;
    return false;
}

bool patternHolds(const Board& v, const KingsVersusMenPattern& p, int index)
{
    for (int s = 1; s <= kSquares; ++s) {
        const int c = (*p.coordinate)[s];
        if (v[s] == BlackMan) {
            if (c < p.blackLow || c > p.blackHigh || touchesWhite(v, s)) return false;
            // A man on 4 that can slip out through 8 while 11 is taken.
            if (index == 0 && s == 4 && v[8] == Empty && v[11] != Empty) return false;
        } else if (v[s] == WhiteMan) {
            if (c < p.whiteLow || c > p.whiteHigh) return false;
        }
    }
    return true;
}

} // namespace

bool kingsVersusMenRule(const Board& b, int menCount, int colour)
{
    // The king and count conditions read a few squares: the whole view is
    // made only for the pattern they select, which most positions never reach.
    const auto at = [&](Square s) { return viewAt(b, s, colour); };
    for (int i = 0; i < static_cast<int>(kPatterns.size()); ++i) {
        const KingsVersusMenPattern& p = kPatterns[i];
        const bool king = (at(p.end1) == WhiteKing && at(p.end2) == Empty)
            || (at(p.end2) == WhiteKing && at(p.end1) == Empty);
        bool count = menCount < p.menBelow;
        if (i == 2) count = count && (menCount == 3 || at(2) == Empty);
        if (king && count) return patternHolds(patternView(b, colour), p, i);
    }
    return false;
}

EndgameKnowledge::EndgameKnowledge(std::string programDir, MessageSink sink)
    : dir_(std::move(programDir)), sink_(std::move(sink))
{
}

void EndgameKnowledge::loadTables() const
{
    if (tablesLoaded_) return;
    tablesLoaded_ = true;
    for (const std::string& problem : tables_.load(dir_))
        if (sink_) sink_(problem);
}

void EndgameKnowledge::loadLearnedPositions()
{
    const std::string problem = learned_.load((std::filesystem::path(dir_) / "damas.dat").string());
    if (!problem.empty() && sink_) sink_(problem);
}

std::optional<int> EndgameKnowledge::probeEndgame(const Board& b, const PieceCounts& counts,
                                                  SideToMove toMove, SideToMove rootSide,
                                                  int ply) const
{
    const int pieces = counts.white() + counts.black();
    if (pieces > 4) return std::nullopt;
    loadTables();
    const auto v = tables_.value(b, toMove);
    if (!v) return std::nullopt;
    const int score = egtb::searchScore(*v, ply);
    // A four-piece value is trusted only as a draw or a decided score.
    if (pieces == 4 && score != 0 && score >= -1000 && score <= 1000) return std::nullopt;
    return toMove == rootSide ? score : -score;
}

std::optional<int> EndgameKnowledge::learned(std::uint32_t indexKey, std::uint32_t checkKey) const
{
    const std::int16_t score = learned_.scoreOf(indexKey, checkKey);
    if (score == 0) return std::nullopt;
    return score;
}

} // namespace kv
