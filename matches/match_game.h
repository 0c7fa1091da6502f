// One game of a match between two players from a ballot, judged as the game
// judges it (no move left loses, the third occurrence of a position draws,
// a full record draws) and adjudicated early by the endgame tables once at
// most four pieces remain, and as a draw after a long stretch without a
// capture or a man's move.
#pragma once

#include "engine/search_knowledge.h"
#include "matches/ballots.h"
#include "matches/players.h"
#include "rules/game_result.h"

#include <string>
#include <vector>

namespace kv {

struct MatchGameResult {
    GameResult outcome = GameResult::Draw;
    std::string reason;             // "no move left", "repetition", "endgame tables", ...
    std::string fen = "start";      // the position the moves start from
    std::vector<std::string> moves; // every ply, short texts, the ballot's first
    int plies = 0;
    std::array<std::int64_t, 2> usedMs {};
};

struct MatchGameRules {
    // Plies without a capture or a man's move after which the game is drawn
    // (0: never, then only the record's end draws).
    int quietPlyLimit = 80;
    bool tableAdjudication = true;
};

// Plays the ballot's moves, then lets the players move in turn. `white` and
// `black` are the players of the two colours. The knowledge object answers
// the tables' verdicts (its tables loaded beforehand).
MatchGameResult playMatchGame(const Ballot& ballot, MatchPlayer& white, MatchPlayer& black,
                              const SearchKnowledge& knowledge, const MatchGameRules& rules = {});

// The verdict of the tables for the side to move: +1 it wins, 0 draw, -1 it
// loses; nothing for material without a table.
std::optional<int> tableVerdict(const SearchKnowledge& knowledge, const Board& b,
                                SideToMove toMove);

} // namespace kv
