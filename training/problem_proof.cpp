#include "training/problem_proof.h"

#include <algorithm>

namespace kv {

int ProblemProver::balance(const Board& b) const
{
    const PieceCounts c = PieceCounts::of(b);
    return attacker_ == White ? c.white() - c.black() : c.black() - c.white();
}

ProblemProver::Key ProblemProver::keyOf(const Board& b, SideToMove toMove, int depth) const
{
    // Three bits a square: squares 1..21 fill the low word, 22..32 the high
    // one, which also holds the side to move, the depth and the mode.
    Key k;
    for (int s = 1; s <= 21; ++s) k.low |= std::uint64_t { b[s] } << (3 * (s - 1));
    for (int s = 22; s <= kSquares; ++s) k.high |= std::uint64_t { b[s] } << (3 * (s - 22));
    k.high |= std::uint64_t { toMove } << 33;
    k.high |= static_cast<std::uint64_t>(std::max(depth, 0)) << 34;
    k.high |= std::uint64_t { mode_ } << 42;
    return k;
}

bool ProblemProver::leaf(Board& b, SideToMove toMove, int depth, int moves, bool& result) const
{
    const auto settle = [&](bool attackerWins) {
        result = mode_ == Hold ? !attackerWins : attackerWins;
        return true;
    };
    // The side to move without a move or a piece has lost.
    if (moves == 0) return settle(toMove != attacker_);
    if (tables_)
        if (const auto v = tables_->value(b, toMove))
            return settle(toMove == attacker_ ? *v > 0 : *v < 0);
    if (depth > 0) return false;
    // A gain is counted only once the captures have been played out.
    if (mode_ == Gain) {
        if (gen_.captureCount() != 0) return false;
        result = balance(b) >= target_;
        return true;
    }
    result = false; // nothing proved within the depth
    return true;
}

bool ProblemProver::forced(Board& b, SideToMove toMove, int depth, int ply)
{
    if (++nodes_ > nodeLimit_ || ply >= kMaxPly) {
        truncated_ = true;
        return false;
    }
    // A win or a hold found within some depth stands at every greater depth,
    // and one refuted within some depth at every smaller one: their entries
    // keep both bounds. A gain depends on its exact horizon.
    const Key key = keyOf(b, toMove, mode_ == Gain ? depth : 0);
    const auto found = memo_.find(key);
    if (found != memo_.end()) {
        if (depth >= found->second.provenAt) return true;
        if (depth <= found->second.refutedAt) return false;
    }
    const int n = gen_.generate(b, toMove, ply);
    if (gen_.overflowed()) {
        truncated_ = true;
        return false;
    }
    bool result = false;
    if (!leaf(b, toMove, depth, n, result)) {
        const bool seeker = mode_ == Hold ? toMove != attacker_ : toMove == attacker_;
        result = !seeker;
        for (int i = 0; i < n; ++i) {
            Board child = b;
            applyMove(child, gen_.list(ply)[i]);
            if (forced(child, static_cast<SideToMove>(1 - toMove), depth - 1, ply + 1) == seeker) {
                result = seeker;
                break;
            }
        }
    }
    if (!truncated_) {
        Bounds& bounds = memo_[key];
        if (result) bounds.provenAt = std::min(bounds.provenAt, depth);
        else bounds.refutedAt = std::max(bounds.refutedAt, depth);
    }
    return result;
}

int ProblemProver::shortestWin(Board& b, SideToMove toMove, int maxPlies, int ply)
{
    for (int d = 0; d <= maxPlies; ++d)
        if (forced(b, toMove, d, ply)) return d;
    return -1;
}

std::vector<MoveRecord> ProblemProver::mainLine(const Board& start, SideToMove side, int plies)
{
    // The attacker plays the quickest way to the goal, the defender the
    // reply that puts it off longest; a win stops where the tables take over.
    std::vector<MoveRecord> line;
    Board b = start;
    SideToMove toMove = side;
    for (int depth = plies; line.size() < 60; --depth) {
        const int n = gen_.generate(b, toMove, 1);
        bool ignored = false;
        if (n == 0 || (mode_ == Win && tables_ && tables_->value(b, toMove))) break;
        if (mode_ == Gain && leaf(b, toMove, depth, n, ignored)) break;
        const std::vector<MoveRecord> moves(gen_.list(1).begin(), gen_.list(1).begin() + n);
        const bool attacker = toMove == attacker_;
        const SideToMove next = static_cast<SideToMove>(1 - toMove);
        MoveRecord chosen = moves[0];
        int best = attacker ? 1 << 20 : -1;
        for (const MoveRecord& m : moves) {
            Board child = b;
            applyMove(child, m);
            int d = 0;
            if (mode_ == Win) {
                d = shortestWin(child, next, std::max(depth - 1, 0), 2);
                if (d < 0) continue;
            } else if (!forced(child, next, depth - 1, 2)) {
                continue;
            }
            if (attacker ? d < best : d > best) {
                best = d;
                chosen = m;
            }
        }
        line.push_back(chosen);
        applyMove(b, chosen);
        toMove = next;
    }
    return line;
}

ProblemProof ProblemProver::prove(const Position& start, ProblemGoal goal, int maxPlies,
                                  long long nodeLimit)
{
    nodeLimit_ = nodeLimit;
    ProblemProof proof;
    memo_.clear();
    nodes_ = 0;
    truncated_ = false;
    attacker_ = start.side;
    const SideToMove defender = static_cast<SideToMove>(1 - start.side);
    Board b = start.board;
    b[0] = OffBoard;
    const int n = gen_.generate(b, start.side, 1);
    const std::vector<MoveRecord> firsts(gen_.list(1).begin(), gen_.list(1).begin() + n);
    const auto fail = [&](std::string why) {
        proof.failure
            = truncated_ ? "the search needs more plies or nodes than it may use" : std::move(why);
        proof.nodes = nodes_;
        return proof;
    };
    if (n < 2) return fail("the first move is forced");
    // The first moves that reach the goal within `depth` plies.
    const auto achievers = [&](int depth) {
        std::vector<int> found;
        for (int i = 0; i < n; ++i) {
            Board child = b;
            applyMove(child, firsts[i]);
            if (forced(child, defender, depth - 1, 2)) found.push_back(i);
        }
        return found;
    };

    int key = -1;
    if (goal.win) {
        mode_ = Win;
        proof.plies = shortestWin(b, start.side, maxPlies, 1);
        if (proof.plies < 0) return fail("no forced win found");
        const std::vector<int> winners = achievers(proof.plies);
        if (winners.size() != 1) return fail("more than one first move wins as quickly");
        key = winners[0];
        // Every other first move is shown not to win.
        mode_ = Hold;
        for (int i = 0; i < n; ++i) {
            if (i == key) continue;
            Board child = b;
            applyMove(child, firsts[i]);
            if (!forced(child, defender, maxPlies, 2))
                return fail("another first move, " + moveText(firsts[i])
                            + ", is not shown to fail");
        }
        mode_ = Win;
    } else {
        mode_ = Gain;
        target_ = balance(b) + goal.gainPieces;
        for (int h = 1; h + 4 <= maxPlies && proof.plies == 0; ++h)
            if (forced(b, start.side, h, 1)) proof.plies = h;
        if (proof.plies == 0) return fail("no forced gain found");
        // The gain holds, by the same key alone, at that horizon and four plies deeper.
        for (int h = proof.plies; h <= proof.plies + 4; ++h) {
            const std::vector<int> gainers = achievers(h);
            if (gainers.empty())
                return fail("the gain is lost " + std::to_string(h) + " plies deep");
            if (gainers.size() > 1 || (key >= 0 && gainers[0] != key))
                return fail("another first move gains as much " + std::to_string(h)
                            + " plies deep");
            key = gainers[0];
        }
    }
    if (truncated_) return fail("");
    proof.key = firsts[key];
    proof.line = mainLine(b, start.side, proof.plies);
    proof.proven = !truncated_ && !proof.line.empty() && proof.line[0] == proof.key;
    if (!proof.proven) return fail("the main line does not start with the key");
    proof.nodes = nodes_;
    return proof;
}

} // namespace kv
