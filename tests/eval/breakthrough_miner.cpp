// Development tool, not a test: searches small king-less positions near
// white's promotion row for forced breakthroughs and prints each one found
// as a pattern line of breakthrough_patterns.inc. The region it describes is
// squares 1..20 (the five rows in front of white's men): black men outside
// it can never come back, so its contents decide the breakthrough.
//
//   eval_breakthrough_miner WHITE BLACK WHITE_LAST BLACK_LAST DEPTH
// tries WHITE white men on squares 5..WHITE_LAST and BLACK black men on
// 1..BLACK_LAST, white to move.
#include "breakthrough_examples.h"

#include "eval/knowledge.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace kv;

namespace {

void combinations(int first, int last, int k, std::vector<int>& cur,
                  std::vector<std::vector<int>>& out)
{
    if (static_cast<int>(cur.size()) == k) {
        out.push_back(cur);
        return;
    }
    for (int s = first; s <= last; ++s) {
        cur.push_back(s);
        combinations(s + 1, last, k, cur, out);
        cur.pop_back();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) return 2;
    const int nw = std::atoi(argv[1]), nb = std::atoi(argv[2]);
    const int wLast = std::atoi(argv[3]), bLast = std::atoi(argv[4]), depth = std::atoi(argv[5]);
    std::vector<std::vector<int>> whites, blacks;
    std::vector<int> cur;
    combinations(5, wLast, nw, cur, whites);
    combinations(1, bLast, nb, cur, blacks);
    test::BreakthroughSolver solver;
    std::mt19937 rng(1);
    const auto rules = knowledge::breakthroughRules(true);
    int found = 0, tried = 0;
    for (const auto& w : whites)
        for (const auto& bl : blacks) {
            Board b;
            b.clear();
            bool clash = false;
            for (int s : w) b[s] = WhiteMan;
            for (int s : bl) {
                clash |= b[s] != Empty;
                b[s] = BlackMan;
            }
            if (clash) continue;
            const PieceCounts c = PieceCounts::of(b);
            if (knowledge::runawayMen(b, c, true) > 0) continue;
            if (test::firstMatch(rules, test::masksFor(b, White))) continue;
            ++tried;
            const int before = test::materialOf(b, White);
            Board work = b;
            const int gain = solver.search(work, White, depth, -20000, 20000) - before;
            if (gain < 100) continue;
            // Keep only what needs a sacrifice: a free run is the runaway
            // term's business.
            work = b;
            solver.forbidSacrifice(b);
            const int quiet = solver.search(work, White, depth, -20000, 20000) - before;
            solver.allowSacrifice();
            if (quiet >= 100) continue;
            // White men behind the region only add options for white, but
            // they also give black men something to take: the breakthrough
            // must survive a few of them.
            bool robust = true;
            for (int t = 0; t < 4 && robust; ++t) {
                work = b;
                for (int k = 0; k < 3; ++k) {
                    const int s = 21 + static_cast<int>(rng() % 12);
                    if (work[s] == Empty) work[s] = WhiteMan;
                }
                const int start = test::materialOf(work, White);
                robust = solver.search(work, White, depth, -20000, 20000) - start >= 100;
            }
            if (!robust) continue;
            ++found;
            std::printf("\"");
            for (int s : w) std::printf("w%d ", s);
            for (int s : bl) std::printf("b%d ", s);
            std::printf("*20 = %s\", // gain %d\n",
                        gain >= 300       ? "180"
                            : gain >= 200 ? "120"
                                          : "80",
                        gain);
        }
    std::fprintf(stderr, "tried %d, found %d, nodes %llu\n", tried, found,
                 static_cast<unsigned long long>(solver.nodes));
    return 0;
}
