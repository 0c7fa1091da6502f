// Breakthrough patterns as data: a decision list of square conditions written
// as short text for white and compiled (at compile time) into bit masks. The
// black list is the same list turned half round. Tests read the list to
// count the patterns and to build an example position for each.
//
// One line per entry; conditions are separated by spaces:
//   w13  a man of the mover on 13        b13  a man of the opponent on 13
//   e13  13 empty                        o13  13 occupied
//   !w13 no man of the mover on 13       !b13 no man of the opponent on 13
//   *20  every square 1..20 the line does not name is empty
//   pieces1-20=4  exactly 4 pieces on squares 1..20 (a cheap test for groups)
// A pattern is "conditions [unless conditions] = value"; it matches when all
// its conditions hold and not all of its unless-conditions do.
// "when conditions [unless conditions]" opens a group closed by "end": the
// group's test is made once, and when it fails its patterns are skipped.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

namespace kv::knowledge {

// Bit s - 1 stands for square s.
struct SquareMasks {
    std::uint32_t own = 0, opp = 0, empty = 0, occupied = 0, notOwn = 0, notOpp = 0;
    std::uint32_t counted = 0; // squares whose pieces are counted...
    int count = -1;            // ...and how many they must hold (-1: no count)

    // The same conditions seen from the other side of the board: square s
    // becomes 33 - s, which reverses the bit order.
    constexpr SquareMasks mirrored() const
    {
        return { reverse(own),    reverse(opp),    reverse(empty),   reverse(occupied),
                 reverse(notOwn), reverse(notOpp), reverse(counted), count };
    }
    constexpr bool any() const
    {
        return (own | opp | empty | occupied | notOwn | notOpp | counted) != 0;
    }

    static constexpr std::uint32_t reverse(std::uint32_t x)
    {
        std::uint32_t r = 0;
        for (int i = 0; i < 32; ++i)
            if (x & (1u << i)) r |= 1u << (31 - i);
        return r;
    }
};

// Number of set bits. Without a popcount instruction in the target,
// std::popcount is a library call; these few shifts and masks (pairs, then
// nibbles, then bytes summed by the multiply) cost less.
constexpr int countBits(std::uint32_t x)
{
#if defined(__POPCNT__)
    return std::popcount(x);
#else
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
#endif
}

// The men of the mover, of the opponent and the empty squares.
struct BoardMasks {
    std::uint32_t own, opp, empty;

    constexpr bool holds(const SquareMasks& m) const
    {
        return (own & m.own) == m.own && (opp & m.opp) == m.opp && (empty & m.empty) == m.empty
            && (empty & m.occupied) == 0 && (own & m.notOwn) == 0 && (opp & m.notOpp) == 0
            && (m.count < 0 || countBits(~empty & m.counted) == m.count);
    }
};

struct BreakthroughRule {
    SquareMasks need;
    SquareMasks unless;     // no exception when empty
    std::int16_t value = 0; // 0 marks a group
    std::uint16_t next = 0; // for a group: the first entry after it
    std::uint16_t line = 0; // source line, for messages and tests

    constexpr bool isGroup() const { return value == 0; }
    constexpr bool matches(const BoardMasks& b) const
    {
        return b.holds(need) && !(unless.any() && b.holds(unless));
    }
};

// The list for white, then for black (mirrored), in the order tried.
std::span<const BreakthroughRule> breakthroughRules(bool white);

// The source lines of the white list, one per entry or "end".
std::span<const std::string_view> breakthroughSource();

// First match of the mover's list: its value, or 0.
int matchBreakthrough(std::span<const BreakthroughRule> rules, const BoardMasks& b);
// The same answer for the list of `white` (the mover's colour), found through
// the index of breakthrough_index.h; this is what the evaluation uses.
int indexedBreakthrough(bool white, const BoardMasks& b);

namespace detail {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads one condition token into m; returns false on anything malformed.
constexpr bool addCondition(SquareMasks& m, std::string_view t)
{
    bool negated = false;
    if (!t.empty() && t[0] == '!') {
        negated = true;
        t.remove_prefix(1);
    }
    if (t.size() < 2 || t.size() > 3) return false;
    int s = 0;
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (!isDigit(t[i])) return false;
        s = s * 10 + (t[i] - '0');
    }
    if (s < 1 || s > 32) return false;
    const std::uint32_t bit = 1u << (s - 1);
    switch (t[0]) {
    case 'w': (negated ? m.notOwn : m.own) |= bit; return true;
    case 'b': (negated ? m.notOpp : m.opp) |= bit; return true;
    case 'e': (negated ? m.occupied : m.empty) |= bit; return true;
    case 'o': (negated ? m.empty : m.occupied) |= bit; return true;
    default: return false;
    }
}

constexpr int number(std::string_view t)
{
    if (t.empty() || t.size() > 2) return -1;
    int n = 0;
    for (char c : t) {
        if (!isDigit(c)) return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

constexpr std::uint32_t squaresUpTo(int last) { return last >= 32 ? ~0u : (1u << last) - 1; }

// "*20": the squares 1..20 not named so far must be empty.
constexpr bool addRestEmpty(SquareMasks& m, std::string_view t)
{
    const int last = number(t.substr(1));
    if (last < 1 || last > 32) return false;
    m.empty |= squaresUpTo(last) & ~(m.own | m.opp | m.empty | m.occupied | m.notOwn | m.notOpp);
    return true;
}

// "pieces1-20=4".
constexpr bool addCount(SquareMasks& m, std::string_view t)
{
    t.remove_prefix(6);
    const std::size_t dash = t.find('-'), eq = t.find('=');
    if (dash == std::string_view::npos || eq == std::string_view::npos || eq < dash) return false;
    const int lo = number(t.substr(0, dash)), hi = number(t.substr(dash + 1, eq - dash - 1)),
              k = number(t.substr(eq + 1));
    if (lo < 1 || hi > 32 || lo > hi || k < 0 || m.count >= 0) return false;
    m.counted = squaresUpTo(hi) & ~squaresUpTo(lo - 1);
    m.count = k;
    return true;
}

constexpr std::string_view nextToken(std::string_view& rest)
{
    while (!rest.empty() && rest[0] == ' ') rest.remove_prefix(1);
    std::size_t n = 0;
    while (n < rest.size() && rest[n] != ' ') ++n;
    const std::string_view t = rest.substr(0, n);
    rest.remove_prefix(n);
    return t;
}

template <std::size_t Lines>
constexpr std::size_t countEntries(const std::array<std::string_view, Lines>& src)
{
    std::size_t n = 0;
    for (auto l : src) {
        std::string_view rest = l;
        if (nextToken(rest) != "end") ++n;
    }
    return n;
}

// Compiles the source; a malformed line stops the compilation.
template <std::size_t Entries, std::size_t Lines>
constexpr std::array<BreakthroughRule, Entries>
compile(const std::array<std::string_view, Lines>& src)
{
    std::array<BreakthroughRule, Entries> out {};
    std::array<std::size_t, 8> open {};
    std::size_t depth = 0, n = 0;
    for (std::size_t line = 0; line < Lines; ++line) {
        std::string_view rest = src[line];
        std::string_view t = nextToken(rest);
        if (t == "end") {
            if (depth == 0) throw "breakthrough pattern: 'end' without 'when'";
            out[open[--depth]].next = static_cast<std::uint16_t>(n);
            continue;
        }
        BreakthroughRule r {};
        r.line = static_cast<std::uint16_t>(line);
        const bool group = t == "when";
        if (group) t = nextToken(rest);
        SquareMasks* target = &r.need;
        bool sawValue = false;
        for (; !t.empty(); t = nextToken(rest)) {
            if (t == "unless") {
                target = &r.unless;
            } else if (t == "=") {
                const std::string_view v = nextToken(rest);
                if (v != "180" && v != "120" && v != "80")
                    throw "breakthrough pattern: value must be 180, 120 or 80";
                r.value = static_cast<std::int16_t>(v == "180" ? 180 : v == "120" ? 120 : 80);
                sawValue = true;
            } else if (t[0] == '*') {
                if (!addRestEmpty(*target, t)) throw "breakthrough pattern: bad '*' range";
            } else if (t.starts_with("pieces")) {
                if (!addCount(*target, t)) throw "breakthrough pattern: bad piece count";
            } else if (!addCondition(*target, t)) {
                throw "breakthrough pattern: bad condition";
            }
        }
        if (group == sawValue)
            throw "breakthrough pattern: a group has no value, a pattern needs one";
        if (group) {
            if (depth == open.size()) throw "breakthrough pattern: groups nested too deep";
            open[depth++] = n;
        }
        out[n++] = r;
    }
    if (depth != 0) throw "breakthrough pattern: 'when' without 'end'";
    return out;
}

template <std::size_t Entries>
constexpr std::array<BreakthroughRule, Entries>
mirrorRules(const std::array<BreakthroughRule, Entries>& white)
{
    std::array<BreakthroughRule, Entries> out = white;
    for (auto& r : out) {
        r.need = r.need.mirrored();
        r.unless = r.unless.mirrored();
    }
    return out;
}

} // namespace detail

} // namespace kv::knowledge
