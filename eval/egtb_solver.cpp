#include "egtb_solver.h"

#include "rules/geometry.h"
#include "rules/movegen.h"

#include <algorithm>
#include <array>
#include <memory>

namespace kv::egtb {

const std::vector<std::vector<TableId>>& solvingOrder()
{
    // dod, dop+pod, pop, ddod+dodd, pdod+dopd, ddop+podd, ppod+dopp,
    // pdop+popd, ppop+popp, dddod+doddd, pddod+dopdd, ppdod+doppd.
    static const std::vector<std::vector<TableId>> order = {
        { 0 },      { 3, 4 },   { 5 },      { 1, 2 },   { 6, 7 },   { 9, 8 },
        { 13, 12 }, { 10, 11 }, { 15, 14 }, { 16, 17 }, { 18, 19 }, { 20, 21 },
    };
    return order;
}

namespace {

// Per-position bookkeeping while a pair is being solved.
enum : std::uint8_t { Final = 1, DrawReply = 2, WinQueued = 4 };

struct PairState {
    TableId table;
    std::vector<std::uint8_t> remaining;  // replies inside the pair not yet known
    std::vector<std::uint8_t> slowestWin; // largest v among replies won for the opponent
    std::vector<std::uint8_t> flags;
    std::vector<std::int8_t> value;
};

class PairSolver {
public:
    PairSolver(EndgameTables& tables, std::array<bool, kTableCount>& solved,
               const std::vector<TableId>& pair)
        : tables_(tables), solved_(solved), gen_(std::make_unique<MoveGenerator>())
    {
        for (TableId t : pair) {
            const std::uint32_t size = tableLayout(t).size;
            states_.push_back({ t, std::vector<std::uint8_t>(size), std::vector<std::uint8_t>(size),
                                std::vector<std::uint8_t>(size), std::vector<std::int8_t>(size) });
        }
        buckets_.resize(kLongestValue + 2);
    }

    std::string run(std::vector<TableStats>& stats)
    {
        for (int k = 0; k < static_cast<int>(states_.size()); ++k) {
            std::string error;
            forEachPosition(states_[k].table, [&](const Board& b, std::uint32_t i) {
                if (error.empty()) error = judgeFromOutside(k, b, i);
            });
            if (!error.empty()) return error;
        }
        for (int d = 1; d <= kLongestValue; ++d) {
            // Entries pushed while bucket d is processed go to later buckets only.
            for (std::size_t e = 0; e < buckets_[d].size(); ++e) {
                const std::uint32_t entry = buckets_[d][e];
                if (const std::string error = finish(entry, d); !error.empty()) return error;
            }
            buckets_[d].clear();
            buckets_[d].shrink_to_fit();
        }
        if (!buckets_[kLongestValue + 1].empty()) return "a distance does not fit a signed byte";

        for (PairState& st : states_) {
            TableStats s;
            s.table = st.table;
            forEachPosition(st.table, [&](const Board&, std::uint32_t i) {
                ++s.positions;
                const int v = st.value[i];
                if (v > 0) {
                    ++s.wins;
                    s.longestWin = std::max(s.longestWin, v);
                } else if (v < 0) {
                    ++s.losses;
                    s.longestLoss = std::max(s.longestLoss, -v);
                } else {
                    ++s.draws;
                }
            });
            stats.push_back(s);
            tables_.set(st.table, std::vector<std::int8_t>(st.value.begin(), st.value.end()));
            solved_[st.table] = true;
        }
        return {};
    }

private:
    static std::uint32_t entryOf(int k, std::uint32_t index, bool win)
    {
        return index << 2 | k << 1 | (win ? 1 : 0);
    }

    int stateOf(TableId t) const
    {
        for (int k = 0; k < static_cast<int>(states_.size()); ++k)
            if (states_[k].table == t) return k;
        return -1;
    }

    void push(int d, int k, std::uint32_t index, bool win)
    {
        buckets_[std::min(d, kLongestValue + 1)].push_back(entryOf(k, index, win));
    }

    // First look at a position: replies that leave the pair are known, the
    // others are counted.
    std::string judgeFromOutside(int k, const Board& canonical, std::uint32_t index)
    {
        PairState& st = states_[k];
        Board b = canonical;
        const int n = gen_->generate(b, White, 1);
        int quickestWin = 0; // v of the quickest win found, 0 if none
        int inside = 0;
        int slowest = 0;
        bool drawReply = false;
        for (int m = 0; m < n; ++m) {
            Board next = b;
            applyMove(next, gen_->list(1)[m]);
            int reply; // value for the opponent, who is to move
            const PieceCounts c = PieceCounts::of(next);
            if (c.black() == 0) {
                reply = kEndLoss;
            } else {
                const auto slot = locate(next, Black);
                if (!slot)
                    return "no table for a reply of a position of "
                        + std::string(tableLayout(st.table).name);
                const int owner = stateOf(slot->table);
                if (owner >= 0) {
                    ++inside;
                    continue;
                }
                if (!solved_[slot->table])
                    return std::string(tableLayout(slot->table).name) + " is needed before "
                        + std::string(tableLayout(st.table).name);
                reply = *tables_.at(slot->table, slot->index);
            }
            if (reply < 0) {
                const int v = 1 - reply;
                if (quickestWin == 0 || v < quickestWin) quickestWin = v;
            } else if (reply == 0) {
                drawReply = true;
            } else {
                slowest = std::max(slowest, reply);
            }
        }
        st.remaining[index] = static_cast<std::uint8_t>(inside);
        st.slowestWin[index] = static_cast<std::uint8_t>(slowest);
        st.flags[index] = drawReply ? DrawReply : 0;
        if (quickestWin > 0) {
            st.flags[index] |= WinQueued;
            push(quickestWin, k, index, true);
        } else if (inside == 0 && !drawReply) {
            push(slowest + 1, k, index, false);
        }
        return {};
    }

    // Bucket d: the position gets v = +-d if nothing finished it earlier, and
    // its predecessors inside the pair learn about it.
    std::string finish(std::uint32_t entry, int d)
    {
        const int k = entry >> 1 & 1;
        const std::uint32_t index = entry >> 2;
        const bool win = entry & 1;
        PairState& st = states_[k];
        if (st.flags[index] & Final) return {};
        st.flags[index] |= Final;
        st.value[index] = static_cast<std::int8_t>(win ? d : -d);

        const auto canonical = decodeIndex(st.table, index);
        if (!canonical) return "bad index in the solver's queue";
        std::string error;
        forEachPredecessor(*canonical, [&](const Board& before) {
            const auto slot = locate(before, Black);
            const int owner = slot ? stateOf(slot->table) : -1;
            if (owner < 0) {
                error = "a quiet move left the pair of " + std::string(tableLayout(st.table).name);
                return;
            }
            PairState& pred = states_[owner];
            const std::uint32_t p = slot->index;
            if (pred.flags[p] & Final) return;
            if (!win) {
                pred.flags[p] |= WinQueued;
                push(d + 1, owner, p, true);
                return;
            }
            pred.slowestWin[p] = static_cast<std::uint8_t>(std::max<int>(pred.slowestWin[p], d));
            if (--pred.remaining[p] == 0 && !(pred.flags[p] & (DrawReply | WinQueued)))
                push(pred.slowestWin[p] + 1, owner, p, false);
        });
        return error;
    }

    // Positions, black to move in the canonical frame of `after`, from which a
    // legal quiet move without a crowning leads to `after` (white to move).
    template <typename Fn> void forEachPredecessor(const Board& after, Fn&& fn)
    {
        for (int t = 1; t <= kSquares; ++t) {
            const std::uint8_t code = after[t];
            if (code != BlackKing && code != BlackMan) continue;
            // A king came along any line; a black man moves down (directions
            // 2 and 3), so it came from one step above (0 and 1).
            const int directions = code == BlackKing ? kDirections : 2;
            for (int d = 0; d < directions; ++d) {
                for (Square f = DirectionTable[d][t]; f != 0 && after[f] == Empty;
                     f = DirectionTable[d][f]) {
                    Board before = after;
                    before[t] = Empty;
                    before[f] = code;
                    gen_->generate(before, Black, 1);
                    if (gen_->captureCount() == 0) fn(before);
                    if (code == BlackMan) break;
                }
            }
        }
    }

    EndgameTables& tables_;
    std::array<bool, kTableCount>& solved_;
    std::unique_ptr<MoveGenerator> gen_;
    std::vector<PairState> states_;
    std::vector<std::vector<std::uint32_t>> buckets_;
};

} // namespace

SolveResult solveAllTables(EndgameTables& tables, int maxPieces)
{
    SolveResult result;
    std::array<bool, kTableCount> solved {};
    for (const auto& pair : solvingOrder()) {
        const Material m = materialOf(tableLayout(pair[0]));
        if (m.moverMen + m.moverKings + m.otherMen + m.otherKings > maxPieces) continue;
        PairSolver solver(tables, solved, pair);
        result.error = solver.run(result.stats);
        if (!result.error.empty()) break;
    }
    return result;
}

} // namespace kv::egtb
