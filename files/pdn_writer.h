// Writing games as PDN 3.0 for these rules (GameType 28), the one PDN writer
// of the program: saved and copied games, and the games of engine matches.
//
//     [Event "?"] ... [Result "1-0"] [GameType "28,W,8,8,N1,1"]
//     [SetUp "1"] [FEN "W:W...:B..."]   (only for a game that does not start
//                                        from the initial position)
//     1. 10-14 23-19 2. 14x23 27x18 3. 5x14x23 ... 1-0
//
// Move numbers count from the side that moved first ("1..." when black
// begins); a capture carries its landing squares only when another legal
// capture has the same origin and destination; the game ends with its result
// in the default result type ("1-0", "0-1", "1/2-1/2", "*"). Tag values are
// UTF-8, with a double quote written as \" and no other escape.
#pragma once

#include "rules/game_result.h"
#include "rules/game_state.h"
#include "rules/notation.h"

#include <string>
#include <vector>

namespace kv {

inline constexpr const char* kPdnGameType = "28,W,8,8,N1,1";

// The tags the record does not hold.
struct PdnTags {
    std::string event = "?";
    std::string site = "?";
    std::string date = "????.??.??";
    std::string round = "?";
};

// A game as the writer takes it: every ply as its short text ("22-18",
// "26x17", "26x17x10").
struct PdnGameText {
    PdnTags tags;
    std::string white, black;
    GameResult result = GameResult::None;
    Position start = initialPosition();
    std::vector<std::string> moves;
    std::string comment; // written before the result when not empty
};

std::string writePdnGame(const PdnGameText& game);

// The game of a record from its first position to the current one (ply
// gamePly).
std::string writePdn(GameState& game, GameResult result, const PdnTags& tags = {});

} // namespace kv
