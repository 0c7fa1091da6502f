#include "training/game_analysis.h"

#include "engine/scores.h"

#include <algorithm>

namespace kv {

namespace {
// Sets the board, side and displayed copy of the position stored at `ply`.
void showPly(GameState& game, int ply)
{
    game.gamePly = static_cast<std::uint8_t>(ply);
    game.restoreRecordEntry();
    game.side = game.sideAtPly(ply);
    game.displayed = game.board;
}
} // namespace

bool GameAnalysis::begin(GameState& game, AnalysisLanguage lang)
{
    if (game.gamePly == 0) return false;
    lang_ = lang;
    entries_.clear();
    scored_.fill(false);
    startPly_ = game.gamePly;
    startSide_ = game.side;
    // After a take-back the move played from the start position is known:
    // its score comes from a search of the position it led to.
    topPly_ = startPly_ < game.recordedPlies ? startPly_ + 1 : startPly_;
    nextPly_ = lastAnalysed_ = topPly_;
    stepsDone_ = 0;
    carried_ = 0;
    walking_ = true;
    ctx_.state.analysisMode = true;
    ctx_.state.unlimitedTime = false;
    showPly(game, topPly_);
    return true;
}

bool GameAnalysis::step(GameState& game)
{
    if (!walking_) return false;
    const int k = nextPly_;
    showPly(game, k);
    const SideToMove side = game.side;
    Square playedFrom = 0, playedTo = 0;
    if (k < topPly_) {
        playedFrom = game.record[k + 1].from;
        playedTo = game.record[k + 1].to;
    }

    SearchRequest req;
    req.board = game.board;
    req.side = side;
    req.gamePly = k;
    req.record = &game.record;
    req.analysisEndPly = topPly_;
    req.playedFrom = playedFrom;
    req.playedTo = playedTo;
    ctx_.setLastCompletedScore(carried_); // the played move scores minus this
    // A search abandoned before the walk began (the command that started it
    // stopped the computer's thinking) must not end this one at once.
    ctx_.state.abortSearch = false;
    const SearchResult r = searchDriver(ctx_, req);
    ctx_.state.abortSearch = false;

    int best = ctx_.lastCompletedScore();
    // A position without a move is lost for its side to move.
    if (r.outcome == SearchOutcome::NoMove) best = -kWinScore;
    // A single legal move is not searched: it keeps the following position's score.
    if (best == kWinScore + 1) best = -carried_;
    MoveRecord chosen = r.move;
    if (r.outcome == SearchOutcome::NoMove || r.outcome == SearchOutcome::OnlyMove
        || r.outcome == SearchOutcome::Aborted || chosen.from == 0) {
        chosen = MoveRecord {};
        chosen.from = playedFrom;
        chosen.to = playedTo;
    }
    int carried = carried_;
    if (chosen.from == playedFrom && chosen.to == playedTo) carried = -best;
    if (playedFrom != 0) writeLines(game, k, chosen, -carried, best);

    scores_[k] = static_cast<std::int16_t>(std::clamp(best, -32768, 32767));
    scored_[k] = true;
    sides_[k] = side;
    carried_ = best;
    lastAnalysed_ = k;
    ++stepsDone_;
    if (k == 0) {
        walking_ = false;
    } else {
        nextPly_ = k - 1;
        showPly(game, k - 1);
    }
    return walking_;
}

void GameAnalysis::writeLines(const GameState& game, int ply, const MoveRecord& chosen, int played,
                              int best)
{
    AnalysisEntry e;
    e.move.ply = ply;
    e.move.mover = game.sideAtPly(ply);
    e.move.playedFrom = game.record[ply + 1].from;
    e.move.playedTo = game.record[ply + 1].to;
    e.move.playedScore = played;
    e.move.bestFrom = chosen.from;
    e.move.bestTo = chosen.to;
    e.move.bestScore = best;
    e.marked = analysisMarks(best, played);
    if (e.marked) {
        const std::vector<MoveRecord> pv = ctx_.principalVariation();
        MoveRecord reply, answer;
        if (pv.size() > 1) reply = pv[1];
        if (pv.size() > 2) answer = pv[2];
        e.continuation = analysisContinuation(reply.from, reply.to, answer.from, answer.to);
    }
    writeTexts(e);
    entries_.push_back(std::move(e));
}

void GameAnalysis::writeTexts(AnalysisEntry& e) const
{
    e.windowLine = analysisWindowLine(lang_, e.move);
    e.listLine = analysisListLine(lang_, e.move);
    if (e.marked) {
        e.windowLine = "*" + e.windowLine + e.continuation;
        e.listLine = "*" + e.listLine;
    }
}

void GameAnalysis::setLanguage(AnalysisLanguage lang)
{
    lang_ = lang;
    for (AnalysisEntry& e : entries_) writeTexts(e);
}

void GameAnalysis::finish(GameState& game)
{
    walking_ = false;
    ctx_.state.analysisMode = false;
    showPly(game, std::min<int>(game.gamePly, game.recordedPlies));
}

std::vector<std::string> GameAnalysis::windowLines() const
{
    std::vector<std::string> lines;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) lines.push_back(it->windowLine);
    lines.push_back(analysisLegend(lang_));
    lines.push_back(analysisHeader(lang_, walking_));
    return lines;
}

std::vector<std::string> GameAnalysis::listLines() const
{
    std::vector<std::string> lines;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) lines.push_back(it->listLine);
    return lines;
}

std::optional<int> GameAnalysis::plyScore(int ply) const
{
    if (ply < 0 || ply >= kRecordEntries || !scored_[ply]) return std::nullopt;
    return scores_[ply];
}

std::optional<int> GameAnalysis::whiteScore(int ply) const
{
    const auto s = plyScore(ply);
    if (!s) return std::nullopt;
    return sides_[ply] == White ? *s : -*s;
}

int GameAnalysis::plyOfLine(int index) const
{
    if (entries_.empty()) return lastAnalysed_;
    index = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
    return entries_[entries_.size() - 1 - index].move.ply;
}

} // namespace kv
