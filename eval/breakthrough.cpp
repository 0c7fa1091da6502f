// Forced breakthroughs in positions without kings. The patterns live in
// breakthrough_patterns.inc as text for white; black's list is the same list
// turned half round. Only the mover's list is tried, in order, and the first
// pattern that matches decides.
#include "knowledge.h"

#include "board_masks.h"
#include "breakthrough_index.h"
#include "breakthrough_rules.h"

namespace kv::knowledge {

namespace {

constexpr std::array kSource = std::to_array<std::string_view>({
#include "breakthrough_patterns.inc"
});

constexpr std::size_t kEntries = detail::countEntries(kSource);
constexpr auto kWhiteRules = detail::compile<kEntries>(kSource);
constexpr auto kBlackRules = detail::mirrorRules(kWhiteRules);
constexpr auto kWhiteIndex = detail::indexExactGroups(kWhiteRules);
constexpr auto kBlackIndex = detail::indexExactGroups(kBlackRules);

} // namespace

std::span<const BreakthroughRule> breakthroughRules(bool white)
{
    return white ? std::span<const BreakthroughRule>(kWhiteRules)
                 : std::span<const BreakthroughRule>(kBlackRules);
}

std::span<const std::string_view> breakthroughSource() { return kSource; }

int matchBreakthrough(std::span<const BreakthroughRule> rules, const BoardMasks& b)
{
    std::size_t i = 0;
    while (i < rules.size()) {
        const BreakthroughRule& r = rules[i];
        const bool ok = r.matches(b);
        if (r.isGroup()) {
            i = ok ? i + 1 : r.next;
        } else {
            if (ok) return r.value;
            ++i;
        }
    }
    return 0;
}

int indexedBreakthrough(bool white, const BoardMasks& b)
{
    return white ? matchIndexed(kWhiteRules, kWhiteIndex, b)
                 : matchIndexed(kBlackRules, kBlackIndex, b);
}

int breakthrough(const BothViews& v, bool whiteToMove)
{
    if (whiteToMove) return indexedBreakthrough(true, { v.whiteMen, v.blackMen, v.empty });
    return -indexedBreakthrough(false, { v.blackMen, v.whiteMen, v.empty });
}

int breakthrough(const Board& b, bool whiteToMove)
{
    return breakthrough(BothViews(b, PieceCounts::of(b)), whiteToMove);
}

} // namespace kv::knowledge
