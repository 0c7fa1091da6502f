#include "game/move_input.h"

#include <algorithm>

namespace kv {

void MoveInput::clear()
{
    selectedPiece_ = 0;
    path_ = {};
    step_ = 0;
    n_ = 0;
    ambiguous_ = false;
    captureNotice_ = false;
    candidates_.clear();
    clearMarks();
    markers_ = {};
}

void MoveInput::clearMarks()
{
    marks_ = {};
    for (Marker& m : markers_)
        if (m != Marker::Origin) m = Marker::None;
}

ClickResult MoveInput::click(Board& board, SideToMove side, MoveGenerator& gen, Square s)
{
    if (s < 1 || s > 32) return ClickResult::Ignored;

    // Clicking the picked piece's own square puts it back, unless a capture
    // path may land there (a king can come back to where it started).
    if (picked() && s == path_[0] && marks_[s] == 0) {
        clear();
        return ClickResult::Cancelled;
    }
    if (!picked()) {
        if (!pickUp(board, side, gen, s)) return ClickResult::Ignored;
        if (n_ == 0) return quietClick(s);
        return captureClick(s);
    }
    return n_ == 0 ? quietClick(s) : captureClick(s);
}

bool MoveInput::pickUp(Board& board, SideToMove side, MoveGenerator& gen, Square s)
{
    const int count = gen.generateLegal(board, side);
    const MoveList& legal = gen.list(1);
    captureNotice_ = gen.captureCount() > 0;
    const bool startsHere = std::any_of(legal.begin(), legal.begin() + count,
                                        [s](const MoveRecord& m) { return m.from == s; });
    if (!startsHere) return false;

    // The piece's own moves carry their landing squares; keep those the
    // whole position allows (the majority rule counts every piece).
    std::vector<MoveRecord> legalHere;
    for (int i = 0; i < count; ++i)
        if (legal[i].from == s) legalHere.push_back(legal[i]);
    const bool notice = captureNotice_;
    const PieceMoveSet& set = gen.pieceMoves(board, s, side);
    captureNotice_ = notice;
    candidates_.clear();
    for (int i = 0; i < set.count; ++i)
        if (std::find(legalHere.begin(), legalHere.end(), set.moves[i]) != legalHere.end())
            candidates_.push_back({ set.moves[i], set.paths[i] });
    if (candidates_.empty()) return false;

    selectedPiece_ = board[s];
    path_ = {};
    path_[0] = s;
    step_ = 0;
    n_ = candidates_.front().move.n;
    ambiguous_ = false;
    marks_ = {};
    markers_ = {};
    markers_[s] = Marker::Origin;
    return true;
}

std::vector<const MoveInput::Candidate*> MoveInput::matching(int upTo) const
{
    std::vector<const Candidate*> out;
    for (const Candidate& c : candidates_) {
        bool same = true;
        for (int d = 1; d <= upTo && same; ++d) same = c.path.landing[d] == path_[d];
        if (same) out.push_back(&c);
    }
    return out;
}

void MoveInput::finish(const Candidate& c)
{
    chosen_ = c;
    if (chosen_.move.n == 0) chosen_.path.landing[1] = c.move.to;
    selectedPiece_ = 0;
    step_ = 0;
    marks_ = {};
    markers_ = {};
    candidates_.clear();
}

ClickResult MoveInput::quietClick(Square s)
{
    if (step_ == 0) {
        step_ = 1;
        const Candidate* prev = nullptr;
        for (const Candidate& c : candidates_) {
            if (!prev) marks_[c.move.to] = 1;
            else if (c.move.to != prev->move.to) {
                marks_[c.move.to] = marks_[prev->move.to] = 1;
                ambiguous_ = true;
            }
            prev = &c;
        }
        if (!ambiguous_ && playSingleMoveAtOnce) {
            finish(candidates_.front());
            return ClickResult::Complete;
        }
        for (int q = 1; q <= 32; ++q)
            if (marks_[q]) markers_[q] = Marker::Target;
        return ClickResult::Waiting;
    }
    if (marks_[s] == 0) return ClickResult::Ignored;
    for (const Candidate& c : candidates_)
        if (c.move.to == s) {
            finish(c);
            return ClickResult::Complete;
        }
    return ClickResult::Ignored;
}

ClickResult MoveInput::captureClick(Square s)
{
    const std::uint8_t clickedMark = marks_[s];
    const bool firstClick = step_ == 0 && s == path_[0] && clickedMark == 0;
    if (!firstClick && clickedMark == 0) return ClickResult::Ignored;
    if (firstClick && candidates_.size() == 1 && !playSingleMoveAtOnce) {
        // The piece's only capture: its final square plays it.
        const Square f = candidates_.front().finalSquare();
        marks_[f] = 100;
        markers_[f] = Marker::Target;
        return ClickResult::Waiting;
    }

    if (clickedMark == 100) {
        // A final square names one candidate: take the first that ends there
        // and agrees with the path entered so far.
        for (const Candidate* c : matching(step_))
            if (c->finalSquare() == s) {
                finish(*c);
                return ClickResult::Complete;
            }
        return ClickResult::Ignored;
    }
    if (clickedMark != 0) {
        ++step_;
        path_[step_] = s;
        clearMarks();
    }

    Square clicked = s;
    bool lastMarked = clickedMark != 0;
    for (int j = step_ + 1; j <= n_; ++j) {
        const std::vector<const Candidate*> cands = matching(step_);
        if (cands.empty()) break;
        bool differ = false;
        marks_[cands.front()->path.landing[j]] = 1;
        for (std::size_t i = 1; i < cands.size(); ++i) {
            const Square here = cands[i]->path.landing[j];
            const Square before = cands[i - 1]->path.landing[j];
            if (here != before) {
                marks_[here] = marks_[before] = 1;
                differ = true;
            }
        }
        if (!differ) {
            // Every candidate goes on the same way: take the step for the user.
            ++step_;
            path_[step_] = cands.front()->path.landing[j];
            clicked = path_[step_];
            lastMarked = true;
            if (j < n_) marks_[path_[step_]] = 0;
            continue;
        }
        ambiguous_ = true;
        lastMarked = false;
        for (int q = 1; q <= 32; ++q)
            if (marks_[q]) markers_[q] = Marker::Branch;
        // Distinct final squares may be clicked directly.
        std::vector<Square> finals;
        for (const Candidate* c : cands) finals.push_back(c->finalSquare());
        std::sort(finals.begin(), finals.end());
        if (std::adjacent_find(finals.begin(), finals.end()) == finals.end())
            for (Square f : finals) {
                marks_[f] = 100;
                markers_[f] = Marker::Target;
            }
        break;
    }

    if (step_ >= n_ && lastMarked) {
        for (const Candidate* c : matching(n_)) {
            (void)clicked;
            finish(*c);
            return ClickResult::Complete;
        }
    }
    return ClickResult::Waiting;
}

} // namespace kv
