#include "egtb_index.h"

#include <algorithm>
#include <utility>

namespace kv::egtb {

namespace {

// Groups in the canonical frame: W = side to move, B = the other side.
constexpr PieceGroup single(std::uint8_t code, std::uint32_t stride) { return { code, 1, stride }; }
constexpr PieceGroup pair(std::uint8_t code, std::uint32_t stride) { return { code, 2, stride }; }
constexpr PieceGroup triple(std::uint8_t code, std::uint32_t stride) { return { code, 3, stride }; }

// "32a + b" is 33 + 32(a - 1) + (b - 1): the base carries the 33.
constexpr TableLayout twoPiece(std::string_view name, std::uint8_t a, std::uint8_t b,
                               bool kingsOnly)
{
    return { name, 1056, 33, 2, { single(a, 32), single(b, 1), {} }, kingsOnly };
}
constexpr TableLayout threeSingles(std::string_view name, std::uint8_t a, std::uint8_t b,
                                   std::uint8_t c)
{
    return { name, 33824, 0, 3, { single(a, 1024), single(b, 32), single(c, 1) }, false };
}
constexpr TableLayout pairAndOne(std::string_view name, std::uint8_t p, std::uint8_t c,
                                 bool kingsOnly)
{
    return { name, 15841, 0, 2, { pair(p, 1), single(c, 496), {} }, kingsOnly };
}
constexpr TableLayout tripleAndOne(std::string_view name, std::uint8_t p, std::uint8_t c)
{
    return { name, 163215, 0, 2, { triple(p, 1), single(c, 4960), {} }, true };
}
constexpr TableLayout pairAndTwo(std::string_view name, std::uint8_t p, std::uint8_t x,
                                 std::uint8_t c)
{
    return { name, 523683, 0, 3, { pair(p, 1), single(x, 496), single(c, 16368) }, false };
}

constexpr std::uint8_t WM = WhiteMan, WK = WhiteKing, BM = BlackMan, BK = BlackKing;

// Letters before "o" are the side to move's pieces, after it the other's;
// "d" a king, "p" a man. Three different pieces take a, b, c in PieceCode order.
constexpr std::array<TableLayout, kTableCount> kLayouts = { {
    twoPiece("dod.bib", WK, BK, true),     pairAndOne("ddod.bib", WK, BK, true),
    pairAndOne("dodd.bib", BK, WK, true),  twoPiece("dop.alb", WK, BM, false),
    twoPiece("pod.alb", WM, BK, false),    twoPiece("pop.alb", WM, BM, false),
    threeSingles("pdod.alb", WM, WK, BK),  threeSingles("dopd.alb", WK, BM, BK),
    pairAndOne("podd.alb", BK, WM, false), pairAndOne("ddop.alb", WK, BM, false),
    threeSingles("pdop.alb", WM, WK, BM),  threeSingles("popd.alb", WM, BM, BK),
    pairAndOne("dopp.alb", BM, WK, false), pairAndOne("ppod.alb", WM, BK, false),
    pairAndOne("popp.alb", BM, WM, false), pairAndOne("ppop.alb", WM, BM, false),
    tripleAndOne("dddod.bib", WK, BK),     tripleAndOne("doddd.bib", BK, WK),
    pairAndTwo("pddod.alb", WK, WM, BK),   pairAndTwo("dopdd.alb", BK, BM, WK),
    pairAndTwo("ppdod.alb", WM, WK, BK),   pairAndTwo("doppd.alb", BM, BK, WK),
} };

constexpr std::uint8_t swapColour(std::uint8_t code)
{
    if (code >= WhiteMan && code <= WhiteKing) return static_cast<std::uint8_t>(code + 2);
    if (code >= BlackMan && code <= BlackKing) return static_cast<std::uint8_t>(code - 2);
    return code;
}

constexpr int materialKey(const Material& m)
{
    if (m.moverMen > 3 || m.moverKings > 3 || m.otherMen > 3 || m.otherKings > 3) return -1;
    return ((m.moverMen * 4 + m.moverKings) * 4 + m.otherMen) * 4 + m.otherKings;
}

// Number of index values a group's term takes: C(32, count).
constexpr std::uint32_t termRange(int count) { return count == 1 ? 32 : count == 2 ? 496 : 4960; }

} // namespace

const std::array<TableLayout, kTableCount>& tableLayouts() { return kLayouts; }

Material materialOf(const TableLayout& layout)
{
    Material m;
    for (int g = 0; g < layout.groupCount; ++g) {
        const PieceGroup& grp = layout.groups[g];
        int& n = grp.code == WM ? m.moverMen
            : grp.code == WK    ? m.moverKings
            : grp.code == BM    ? m.otherMen
                                : m.otherKings;
        n += grp.count;
    }
    return m;
}

std::optional<TableId> tableFor(const Material& m)
{
    static const auto byMaterial = [] {
        std::array<std::int8_t, 256> t;
        t.fill(-1);
        for (int i = 0; i < kTableCount; ++i)
            t[materialKey(materialOf(kLayouts[i]))] = static_cast<std::int8_t>(i);
        return t;
    }();
    const int key = materialKey(m);
    if (key < 0 || byMaterial[key] < 0) return std::nullopt;
    return byMaterial[key];
}

TableId partnerOf(TableId t)
{
    const Material m = materialOf(kLayouts[t]);
    return *tableFor({ m.otherMen, m.otherKings, m.moverMen, m.moverKings });
}

std::optional<std::uint32_t> canonicalIndex(TableId t, const Board& canonical)
{
    const TableLayout& layout = kLayouts[t];
    std::uint32_t index = layout.base;
    for (int g = 0; g < layout.groupCount; ++g) {
        const PieceGroup& grp = layout.groups[g];
        std::array<int, 3> sq {};
        int n = 0;
        for (int s = 1; s <= kSquares; ++s) {
            if (canonical[s] != grp.code) continue;
            if (n == grp.count || !canonicalSquareValid(grp.code, s)) return std::nullopt;
            sq[n++] = s;
        }
        if (n != grp.count) return std::nullopt;
        const std::uint32_t term = n == 1 ? sq[0] - 1
            : n == 2                      ? pairIndex(sq[0], sq[1])
                                          : tripleIndex(sq[0], sq[1], sq[2]);
        index += term * grp.stride;
    }
    return index;
}

// One pass over the board: the pieces are turned into the canonical frame
// and the terms formed from them, without building the canonical board.
std::optional<TableSlot> locate(const Board& b, SideToMove toMove)
{
    std::array<int, 4> sq {};
    std::array<std::uint8_t, 4> code {};
    int n = 0;
    bool anyMan = false;
    for (int s = 1; s <= kSquares; ++s) {
        const std::uint8_t c = b[s];
        if (c == Empty) continue;
        if (n == 4) return std::nullopt;
        sq[n] = s;
        code[n++] = c;
        anyMan |= isMan(c);
    }
    if (toMove == Black) {
        for (int i = 0; i < n; ++i) code[i] = swapColour(code[i]);
        if (anyMan) {
            // The half turn reverses the order: keep the squares increasing.
            for (int i = 0; i < n; ++i) sq[i] = 33 - sq[i];
            std::reverse(sq.begin(), sq.begin() + n);
            std::reverse(code.begin(), code.begin() + n);
        }
    }
    Material m;
    for (int i = 0; i < n; ++i) {
        int& count = code[i] == WM ? m.moverMen
            : code[i] == WK        ? m.moverKings
            : code[i] == BM        ? m.otherMen
                                   : m.otherKings;
        ++count;
    }
    const auto t = tableFor(m);
    if (!t) return std::nullopt;

    const TableLayout& layout = kLayouts[*t];
    std::uint32_t index = layout.base;
    for (int g = 0; g < layout.groupCount; ++g) {
        const PieceGroup& grp = layout.groups[g];
        std::array<int, 3> own {};
        int k = 0;
        for (int i = 0; i < n; ++i) {
            if (code[i] != grp.code) continue;
            if (!canonicalSquareValid(code[i], sq[i])) return std::nullopt;
            own[k++] = sq[i];
        }
        const std::uint32_t term = k == 1 ? own[0] - 1
            : k == 2                      ? pairIndex(own[0], own[1])
                                          : tripleIndex(own[0], own[1], own[2]);
        index += term * grp.stride;
    }
    return TableSlot { *t, index };
}

std::optional<Board> decodeIndex(TableId t, std::uint32_t index)
{
    const TableLayout& layout = kLayouts[t];
    if (index < layout.base || index >= layout.size) return std::nullopt;
    std::uint32_t rest = index - layout.base;

    // Terms are peeled off from the largest stride down.
    std::array<int, 3> order { 0, 1, 2 };
    for (int i = 1; i < layout.groupCount; ++i)
        for (int j = i;
             j > 0 && layout.groups[order[j]].stride > layout.groups[order[j - 1]].stride; --j)
            std::swap(order[j], order[j - 1]);

    Board b;
    b.clear();
    for (int k = 0; k < layout.groupCount; ++k) {
        const PieceGroup& grp = layout.groups[order[k]];
        std::uint32_t term = rest / grp.stride;
        rest -= term * grp.stride;
        if (term >= termRange(grp.count)) return std::nullopt;

        std::array<int, 3> sq {};
        if (grp.count == 3) {
            int r = 3;
            while (static_cast<std::uint32_t>(r * (r - 1) * (r - 2) / 6) <= term) ++r;
            sq[2] = r;
            term -= static_cast<std::uint32_t>((r - 1) * (r - 2) * (r - 3) / 6);
        }
        if (grp.count >= 2) {
            int q = 2;
            while (static_cast<std::uint32_t>(q * (q - 1) / 2) <= term) ++q;
            sq[1] = q;
            term -= static_cast<std::uint32_t>((q - 1) * (q - 2) / 2);
        }
        sq[0] = static_cast<int>(term) + 1;

        for (int i = 0; i < grp.count; ++i) {
            const int s = sq[i];
            if (b[s] != Empty || !canonicalSquareValid(grp.code, s)) return std::nullopt;
            b[s] = grp.code;
        }
    }
    if (rest != 0) return std::nullopt;
    return b;
}

void forEachPosition(TableId t, const std::function<void(const Board&, std::uint32_t)>& fn)
{
    const std::uint32_t size = kLayouts[t].size;
    for (std::uint32_t i = 0; i < size; ++i)
        if (const auto b = decodeIndex(t, i)) fn(*b, i);
}

} // namespace kv::egtb
