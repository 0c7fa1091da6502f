#include "rules/geometry.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "rules/square_masks.h"
#include "tests/support/boards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

using namespace kv;
using kv::test::boardOf;

namespace {

using Pair = std::pair<int, int>;
std::vector<Pair> fromTo(const MoveGenerator& gen, int n)
{
    std::vector<Pair> out;
    for (int i = 0; i < n; ++i) out.emplace_back(gen.list(1)[i].from, gen.list(1)[i].to);
    return out;
}

// An independent, slow generator: copy the board at every jump, collect every
// complete sequence, keep the longest and, among them, the king-richest.
struct RefMove {
    int from, to;
    std::vector<int> taken;
    bool operator<(const RefMove& o) const
    {
        return std::tie(from, to, taken) < std::tie(o.from, o.to, o.taken);
    }
    bool operator==(const RefMove& o) const = default;
};

// A king that goes on along the line it came in on is the same capture as
// landing further along that line, so it only takes a piece right next to it.
void refJumps(Board b, int from, int at, int lastDir, bool king, bool white,
              std::vector<int>& taken, std::vector<bool>& gone,
              std::vector<std::pair<RefMove, int>>& out, int kings)
{
    bool extended = false;
    for (int d = 0; d < 4; ++d) {
        if (!king && (white ? d > 1 : d < 2)) continue;
        int s = DirectionTable[d][at];
        if (king && d == lastDir && s && b[s] == Empty) continue;
        if (king)
            while (s && b[s] == Empty) s = DirectionTable[d][s];
        if (!s || b[s] == Empty || gone[s]) continue;
        const bool enemy = white ? isBlack(b[s]) : isWhite(b[s]);
        if (!enemy) continue;
        for (int l = DirectionTable[d][s]; l && b[l] == Empty; l = DirectionTable[d][l]) {
            taken.push_back(s);
            gone[s] = true;
            refJumps(b, from, l, d, king, white, taken, gone, out, kings + isKing(b[s]));
            gone[s] = false;
            taken.pop_back();
            extended = true;
            if (!king) break;
        }
    }
    if (!extended && !taken.empty()) out.push_back({ RefMove { from, at, taken }, kings });
}

std::vector<RefMove> referenceMoves(const Board& board, SideToMove side)
{
    const bool white = side == White;
    std::vector<std::pair<RefMove, int>> caps;
    for (int s = 1; s <= 32; ++s) {
        if (white ? !isWhite(board[s]) : !isBlack(board[s])) continue;
        Board b = board;
        const bool king = isKing(b[s]);
        b[s] = Empty;
        std::vector<int> taken;
        std::vector<bool> gone(33, false);
        refJumps(b, s, s, -1, king, white, taken, gone, caps, 0);
    }
    std::vector<RefMove> out;
    if (!caps.empty()) {
        size_t most = 0;
        int kings = 0;
        for (auto& [m, k] : caps) most = std::max(most, m.taken.size());
        for (auto& [m, k] : caps)
            if (m.taken.size() == most) kings = std::max(kings, k);
        for (auto& [m, k] : caps)
            if (m.taken.size() == most && k == kings) out.push_back(m);
    } else {
        for (int s = 1; s <= 32; ++s) {
            if (white ? !isWhite(board[s]) : !isBlack(board[s])) continue;
            for (int d = 0; d < 4; ++d) {
                if (isMan(board[s]) && (white ? d > 1 : d < 2)) continue;
                for (int t = DirectionTable[d][s]; t && board[t] == Empty;
                     t = DirectionTable[d][t]) {
                    out.push_back({ s, t, {} });
                    if (isMan(board[s])) break;
                }
            }
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

Board randomBoard(std::mt19937& rng, int whites, int blacks, int kingPercent)
{
    Board b;
    b.clear();
    auto place = [&](bool white, int count) {
        while (count > 0) {
            const int s = 1 + static_cast<int>(rng() % 32);
            if (b[s] != Empty) continue;
            const bool king = static_cast<int>(rng() % 100) < kingPercent;
            std::uint8_t code
                = white ? (king ? WhiteKing : WhiteMan) : (king ? BlackKing : BlackMan);
            if (promotes(code, static_cast<Square>(s))) code = white ? WhiteKing : BlackKing;
            b[s] = code;
            --count;
        }
    };
    place(true, whites);
    place(false, blacks);
    return b;
}

} // namespace

TEST(MoveGeneration, InitialPositionOrder)
{
    Board b;
    b.setInitial();
    MoveGenerator gen;
    int n = gen.generateLegal(b, White);
    EXPECT_EQ(
        fromTo(gen, n),
        (std::vector<Pair> {
            { 24, 19 }, { 24, 20 }, { 23, 18 }, { 23, 19 }, { 22, 17 }, { 22, 18 }, { 21, 17 } }));
    EXPECT_EQ(gen.captureCount(), 0);
    n = gen.generateLegal(b, Black);
    EXPECT_EQ(
        fromTo(gen, n),
        (std::vector<Pair> {
            { 9, 13 }, { 9, 14 }, { 10, 14 }, { 10, 15 }, { 11, 15 }, { 11, 16 }, { 12, 16 } }));
}

TEST(MoveGeneration, FlyingKingLandsOnEverySquareBeyond)
{
    Board b = boardOf({ { 29, WhiteKing }, { 25, BlackMan } });
    MoveGenerator gen;
    const int n = gen.generateLegal(b, White);
    ASSERT_EQ(n, 6);
    const int expected[] = { 22, 18, 15, 11, 8, 4 };
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(gen.list(1)[i].from, 29);
        EXPECT_EQ(gen.list(1)[i].to, expected[i]);
        EXPECT_EQ(gen.list(1)[i].n, 1);
        EXPECT_EQ(gen.list(1)[i].captured[0], 25);
    }

    // Three empty squares behind the piece, the fourth own: three moves.
    b = boardOf({ { 32, WhiteKing }, { 23, BlackMan }, { 5, WhiteMan } });
    EXPECT_EQ(fromTo(gen, gen.generateLegal(b, White)),
              (std::vector<Pair> { { 32, 18 }, { 32, 14 }, { 32, 9 } }));
}

TEST(MoveGeneration, MenTakeForwardsOnlyKingsBothWays)
{
    MoveGenerator gen;
    Board b = boardOf({ { 18, WhiteMan }, { 22, BlackMan } });
    gen.generateLegal(b, White);
    EXPECT_EQ(gen.captureCount(), 0);
    b[18] = WhiteKing;
    EXPECT_EQ(fromTo(gen, gen.generateLegal(b, White)),
              (std::vector<Pair> { { 18, 25 }, { 18, 29 } }));
}

TEST(MoveGeneration, MajorityRuleCountsPiecesThenKings)
{
    MoveGenerator gen;
    // Two men on one side, one king on the other: the two men must be taken.
    Board b = boardOf({ { 26, WhiteMan },
                        { 22, BlackMan },
                        { 14, BlackMan },
                        { 31, WhiteMan },
                        { 27, BlackKing } });
    EXPECT_EQ(fromTo(gen, gen.generateLegal(b, White)), (std::vector<Pair> { { 26, 10 } }));
    EXPECT_EQ(gen.captureCount(), 2);

    // Two and two, one of them with a king: only that one.
    b[19] = BlackMan;
    EXPECT_EQ(fromTo(gen, gen.generateLegal(b, White)), (std::vector<Pair> { { 31, 15 } }));
    EXPECT_EQ(gen.bestKingCount(), 1);

    // One king in each: both, in scan order.
    b[22] = BlackKing;
    EXPECT_EQ(fromTo(gen, gen.generateLegal(b, White)),
              (std::vector<Pair> { { 31, 15 }, { 26, 10 } }));
}

TEST(MoveGeneration, ManStopsOnPromotionRow)
{
    // White man 10 takes 6 and lands on 1, where a king would go on over 9.
    Board b = boardOf({ { 10, WhiteMan }, { 6, BlackMan }, { 9, BlackMan } });
    MoveGenerator gen;
    const int n = gen.generateLegal(b, White);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(gen.list(1)[0].to, 1);
    EXPECT_EQ(gen.list(1)[0].n, 1);
    Board after = b;
    applyMove(after, gen.list(1)[0]);
    EXPECT_EQ(after[1], WhiteKing);
    EXPECT_EQ(after[6], Empty);
}

TEST(MoveGeneration, AgreesWithReferenceOnRandomPositions)
{
    std::mt19937 rng(20261207);
    MoveGenerator gen;
    for (int trial = 0; trial < 4000; ++trial) {
        const int whites = 1 + static_cast<int>(rng() % 12);
        const int blacks = 1 + static_cast<int>(rng() % 12);
        Board b = randomBoard(rng, whites, blacks, static_cast<int>(rng() % 101));
        for (SideToMove side : { White, Black }) {
            const Board before = b;
            const int n = gen.generateLegal(b, side);
            ASSERT_EQ(b, before) << "board changed";
            ASSERT_FALSE(gen.overflowed());
            std::vector<RefMove> got;
            for (int i = 0; i < n; ++i) {
                const MoveRecord& m = gen.list(1)[i];
                EXPECT_EQ(m.n, gen.captureCount());
                got.push_back({ m.from, m.to,
                                std::vector<int>(m.captured.begin(), m.captured.begin() + m.n) });
            }
            std::sort(got.begin(), got.end());
            ASSERT_EQ(got, referenceMoves(b, side)) << "trial " << trial << " side " << int(side);
        }
    }
}

TEST(MoveGeneration, CrowdedBoardsStayWithinTheLists)
{
    // Twelve kings against a lone man and against scattered men: the largest
    // quiet and capture lists the tests can construct.
    std::mt19937 rng(7);
    MoveGenerator gen;
    int most = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        Board b = randomBoard(rng, 12, 1 + static_cast<int>(rng() % 12), trial % 2 ? 100 : 90);
        const int n = gen.generateLegal(b, White);
        ASSERT_FALSE(gen.overflowed());
        most = std::max(most, n);
    }
    EXPECT_LT(most, kMaxMoves);
    RecordProperty("most_moves", most);
}

TEST(MoveGeneration, PieceMovesAndCapturePath)
{
    // White king 32 takes 23 then turns to take 15: the path shows both landings.
    Board b = boardOf({ { 32, WhiteKing }, { 23, BlackMan }, { 15, BlackMan }, { 1, BlackMan } });
    MoveGenerator gen;
    const int n = gen.generateLegal(b, White);
    ASSERT_GT(n, 0);
    const MoveRecord m = gen.list(1)[0];
    ASSERT_EQ(m.n, 2);
    const CapturePathRow row = gen.capturePath(b, m.from, m.captured.data(), m.n);
    ASSERT_EQ(row.n, 2);
    EXPECT_EQ(row.landing[2], m.to);
    EXPECT_EQ(row.landing[1], 18);

    const PieceMoveSet& set = gen.pieceMoves(b, 32, White);
    EXPECT_EQ(set.count, n);
    for (int i = 0; i < set.count; ++i)
        EXPECT_EQ(set.paths[i].landing[set.paths[i].n], set.moves[i].to);

    // A man of the side not to move gets no quiet moves, only captures.
    Board quiet = boardOf({ { 22, WhiteMan }, { 5, BlackMan } });
    EXPECT_EQ(gen.pieceMoves(quiet, 22, Black).count, 0);
    EXPECT_EQ(gen.pieceMoves(quiet, 22, White).count, 2);
    EXPECT_EQ(gen.pieceMoves(quiet, 22, White).paths[0].landing[1],
              gen.pieceMoves(quiet, 22, White).moves[0].to);
}

TEST(Perft, InitialPositionShallow)
{
    const std::uint64_t expected[] = { 7, 49, 302, 1469, 7361, 36473, 177532 };
    Board b;
    b.setInitial();
    MoveGenerator gen;
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(perft(gen, b, White, d), expected[d - 1]) << "depth " << d;
}

TEST(MoveGeneration, GeneratedMovesCarryNoStaleOrderingKeys)
{
    // Ordering leaves keys in the list; the next position's moves must not
    // inherit them, as the search reads keys of lists it did not order.
    Board b;
    b.setInitial();
    MoveGenerator gen;
    gen.generateLegal(b, White);
    for (int i = 0; i < gen.list(1).count; ++i) gen.list(1)[i].key = 1234;
    Board capture = boardOf({ { 32, WhiteKing }, { 23, BlackMan }, { 5, WhiteMan } });
    for (const Board& pos : { b, capture }) {
        Board work = pos;
        const int n = gen.generateLegal(work, White);
        for (int i = 0; i < n; ++i) EXPECT_EQ(gen.list(1)[i].key, 0);
        for (int i = 0; i < n; ++i) gen.list(1)[i].key = 1234;
    }
}

// The masks agree square by square with the board they were taken from, and
// the jump mask names exactly the men that have a first capture.
TEST(SquareMasks, MatchTheBoardAndTheFirstJumps)
{
    std::mt19937 rng(7);
    for (int trial = 0; trial < 2000; ++trial) {
        kv::Board b;
        b.clear();
        for (int s = 1; s <= 32; ++s) {
            const int r = static_cast<int>(rng() % 8);
            b[s] = static_cast<std::uint8_t>(r < 4 ? 0 : r - 3);
        }
        const kv::SquareMasks m = kv::squareMasks(b);
        for (int s = 1; s <= 32; ++s) {
            const std::uint32_t bit = 1u << (s - 1);
            EXPECT_EQ((m.empty & bit) != 0, b[s] == kv::Empty);
            EXPECT_EQ((m.whiteMen & bit) != 0, b[s] == kv::WhiteMan);
            EXPECT_EQ((m.blackKings & bit) != 0, b[s] == kv::BlackKing);
        }
        for (const bool black : { false, true }) {
            const std::uint32_t men = black ? m.blackMen : m.whiteMen;
            const std::uint32_t enemy = black ? m.white() : m.black();
            const std::uint32_t jumpers = black ? kv::masks::manJumpers<true>(men, enemy, m.empty)
                                                : kv::masks::manJumpers<false>(men, enemy, m.empty);
            for (int s = 1; s <= 32; ++s) {
                if (!(men & (1u << (s - 1)))) continue;
                bool can = false;
                for (int d = black ? 2 : 0; d < (black ? 4 : 2); ++d) {
                    const kv::Square n = kv::DirectionTable[d][s];
                    const bool foe = black ? kv::isWhite(b[n]) : kv::isBlack(b[n]);
                    if (n && foe && kv::DirectionTable[d][n]
                        && b[kv::DirectionTable[d][n]] == kv::Empty)
                        can = true;
                }
                EXPECT_EQ((jumpers >> (s - 1)) & 1u, can ? 1u : 0u) << trial << " " << s;
            }
        }
    }
}
