// The analysis of a game: a walk backwards through the record, from the
// current position to the first, with one search per position. Going
// backwards lets each played move be scored from the search of the position
// it led to (the search scores that root move with the carried score instead
// of searching it again), so every position costs one search. A move whose
// best alternative was clearly better is marked, and its line in the analysis
// window gets the start of the better line of play.
//
// The walk advances one position per call of step(), so a caller with a
// window runs it from its event loop and stays responsive:
//
//     GameAnalysis a(ctx);
//     if (a.begin(game, AnalysisLanguage::French))
//         while (a.step(game)) {}
//     a.finish(game);
#pragma once

#include "engine/search_driver.h"
#include "rules/game_state.h"
#include "training/analysis_text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kv {

// What the walk found for one played move.
struct AnalysisEntry {
    AnalysedMove move;
    bool marked = false;
    std::string continuation; // the start of the better line, when marked
    std::string windowLine;   // with "*" and the continuation when marked
    std::string listLine;     // with "*" when marked
};

class GameAnalysis {
public:
    explicit GameAnalysis(SearchContext& ctx) : ctx_(ctx) { }

    // Starts on the game's current ply; false (nothing changed) at ply 0.
    // When moves were taken back, the position after the next recorded move
    // is searched first, so the last analysed move is scored like the others.
    bool begin(GameState& game, AnalysisLanguage lang);
    // Searches the position of the current ply, writes its move's lines and
    // goes back one ply. False when the walk has nothing left to do.
    bool step(GameState& game);
    // Ends the walk after the search under way (the caller stops that search).
    void stop() { walking_ = false; }
    // Writes every line, the ones already made included, in another language.
    void setLanguage(AnalysisLanguage lang);
    // Puts the board of the current ply back, with its side to move, and
    // leaves analysis mode.
    void finish(GameState& game);

    bool walking() const { return walking_; }
    int startPly() const { return startPly_; }            // GamePly when the analysis began
    int topPly() const { return topPly_; }                // the first position searched
    int nextPly() const { return nextPly_; }              // the position the next step searches
    int lastAnalysedPly() const { return lastAnalysed_; } // the lowest ply reached
    SideToMove startSide() const { return startSide_; }
    int stepsDone() const { return stepsDone_; }
    int totalSteps() const { return topPly_ + 1; }

    // The analysed moves in game order (the first belongs to lastAnalysedPly()).
    const std::vector<AnalysisEntry>& entries() const { return entries_; }
    // The analysis window's lines: the moves in game order, then the legend
    // and the header.
    std::vector<std::string> windowLines() const;
    std::vector<std::string> listLines() const;

    // The search's score of the position at `ply`, from the view of its side
    // to move; nothing for a ply not analysed.
    std::optional<int> plyScore(int ply) const;
    // The same from white's view, for the evaluation graph.
    std::optional<int> whiteScore(int ply) const;
    // The ply a line of listLines() shows: the position its move was played
    // from, kept within the analysed plies.
    int plyOfLine(int index) const;

private:
    void writeLines(const GameState& game, int ply, const MoveRecord& chosen, int played, int best);
    void writeTexts(AnalysisEntry& e) const;

    SearchContext& ctx_;
    AnalysisLanguage lang_ = AnalysisLanguage::French;
    bool walking_ = false;
    int startPly_ = 0, topPly_ = 0, nextPly_ = 0, lastAnalysed_ = 0;
    int stepsDone_ = 0;
    int carried_ = 0;
    SideToMove startSide_ = White;
    std::vector<AnalysisEntry> entries_; // in walk order: last move first
    std::array<std::int16_t, kRecordEntries> scores_ {};
    std::array<bool, kRecordEntries> scored_ {};
    std::array<SideToMove, kRecordEntries> sides_ {};
};

} // namespace kv
