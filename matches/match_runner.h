// A match: every ballot played twice, the first player taking white in the
// first game of each pair and black in the second, J games at a time on
// threads of their own (each with its own players).
#pragma once

#include "matches/match_game.h"
#include "matches/match_score.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv {

// Makes a fresh player; called once per thread for each side.
using PlayerFactory = std::function<std::unique_ptr<MatchPlayer>()>;

struct MatchSetup {
    std::string nameA, nameB;
    PlayerFactory makeA, makeB;
    std::vector<Ballot> ballots;
    int games = 0; // 0: two per ballot; otherwise the first N of that order
    int jobs = 1;
    MatchGameRules rules;
    const SearchKnowledge* knowledge = nullptr;
};

struct MatchGameRecord {
    int round = 0; // 1-based, in schedule order
    bool aIsWhite = true;
    MatchGameResult result;
    MatchScore forA() const; // one game as A's win, draw or loss
};

// Called after every game, under a lock, in the order games end.
using MatchProgress = std::function<void(const MatchGameRecord& game, const MatchScore& soFar,
                                         int done, int total)>;

// Plays the match; returns the games in schedule order.
std::vector<MatchGameRecord> runMatch(const MatchSetup& setup, const MatchProgress& progress = {});

// The result of one game seen by the first player.
MatchScore scoreForFirst(GameResult o, bool firstIsWhite);

} // namespace kv
