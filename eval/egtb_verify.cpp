#include "egtb_verify.h"

#include "rules/movegen.h"
#include "rules/notation.h"

#include <algorithm>
#include <memory>

namespace kv::egtb {

std::string checkValue(int v, const std::vector<int>& replies)
{
    int quickestLoss = 0; // smallest |r| of a reply lost for the opponent
    int slowestWin = 0;
    bool anyDraw = false, anyLoss = false, anyWin = false;
    for (int r : replies) {
        if (r < 0) {
            anyLoss = true;
            if (quickestLoss == 0 || -r < quickestLoss) quickestLoss = -r;
        } else if (r == 0) {
            anyDraw = true;
        } else {
            anyWin = true;
            slowestWin = std::max(slowestWin, r);
        }
    }
    if (v > 0) {
        if (!anyLoss) return "won but no reply is lost";
        if (quickestLoss != v - 1)
            return "won at " + std::to_string(v) + " but the quickest lost reply is at -"
                + std::to_string(quickestLoss);
        return {};
    }
    if (v < 0) {
        if (anyLoss || anyDraw) return "lost but a reply is not won for the opponent";
        if (slowestWin + 1 != -v)
            return "lost at " + std::to_string(v) + " but the slowest won reply is at "
                + std::to_string(slowestWin);
        return {};
    }
    if (anyLoss) return "drawn but a reply is lost for the opponent";
    if (!anyDraw)
        return anyWin ? "drawn but every reply is won for the opponent" : "drawn without a move";
    return {};
}

VerifyReport verifyTable(const EndgameTables& tables, TableId t, std::size_t maxExamples)
{
    VerifyReport report;
    const std::string name(tableLayout(t).name);
    auto fail = [&](const std::string& what) {
        ++report.errors;
        if (report.examples.size() < maxExamples) report.examples.push_back(name + ": " + what);
    };
    if (!tables.loaded(t)) {
        fail("not loaded");
        return report;
    }
    auto gen = std::make_unique<MoveGenerator>();
    std::vector<int> replies;
    forEachPosition(t, [&](const Board& canonical, std::uint32_t index) {
        ++report.checked;
        Board b = canonical;
        const int n = gen->generate(b, White, 1);
        replies.clear();
        for (int m = 0; m < n; ++m) {
            Board next = b;
            applyMove(next, gen->list(1)[m]);
            if (PieceCounts::of(next).black() == 0) {
                replies.push_back(kEndLoss);
                continue;
            }
            const auto r = tables.value(next, Black);
            if (!r) {
                fail("index " + std::to_string(index) + " has a reply without a loaded table");
                return;
            }
            replies.push_back(*r);
        }
        const int v = *tables.at(t, index);
        if (const std::string why = checkValue(v, replies); !why.empty())
            fail("index " + std::to_string(index) + " (" + formatFen({ canonical, White })
                 + "): " + why);
    });
    return report;
}

VerifyReport verifyAllTables(const EndgameTables& tables, std::size_t maxExamples)
{
    VerifyReport all;
    for (TableId t = 0; t < kTableCount; ++t) {
        VerifyReport r = verifyTable(tables, t, maxExamples);
        all.checked += r.checked;
        all.errors += r.errors;
        for (auto& e : r.examples)
            if (all.examples.size() < maxExamples) all.examples.push_back(std::move(e));
    }
    return all;
}

} // namespace kv::egtb
