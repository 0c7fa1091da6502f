// A rated match against the engine: who plays, at which ratings, and what the
// result does to the registry.
//
//     auto setup = setUpMatch(registry, { "Anne", row, engineWhite, previous });
//     ... the game is played ...
//     RatedResult r = rateMatch(*setup, GameResult::WhiteWon);
//     storeRatedResult(dataDir, r, "2026-12-07 14:05");
#pragma once

#include "players/history.h"
#include "players/rating.h"
#include "players/registry.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct MatchSide {
    std::string name;
    int index = -1; // registry line: 0 the engine, -1 a player who is not registered
    std::int32_t rating = 0;
};

struct MatchSetup {
    MatchSide white, black;
    int playerSide = 0;          // 0 white, 1 black: the side of the person
    bool engineVsEngine = false; // the player typed the engine's name: not rated
    const MatchSide& player() const { return playerSide == 0 ? white : black; }
    const MatchSide& engine() const { return playerSide == 0 ? black : white; }
};

struct MatchRequest {
    std::string typedName; // the match page's name box
    int selectedRow = -1;  // the line chosen in the list, -1 for none
    bool engineWhite = false;
    int previousPlayerIndex = -1; // the player's line in the last match
};

// The sides of a match, or nothing when no name is given. The player's line
// is the one chosen in the list, else the previous match's, else the first
// holding the typed name, and only when that line holds the typed name; a
// name found nowhere plays unregistered, at kUnknownRating, and no line of
// the registry is ever written for it. "Inconnu" always plays at
// kUnknownRating. The engine's rating is line 0 of `registry`.
std::optional<MatchSetup> setUpMatch(const PlayerRegistry& registry, const MatchRequest& request);

// The clock divisor of a side in the time-loss test: 2 below kFullClockRating.
int clockDivisor(std::int32_t rating);

struct RatedResult {
    MatchSetup setup;
    GameResult outcome = GameResult::Draw;
    RatingPair after;
};

RatedResult rateMatch(const MatchSetup& setup, GameResult outcome);

struct StoreReport {
    bool saved = false;     // "points.dat" now holds the new ratings
    std::string failedFile; // when not: the file that could not be read, or empty
    ListStatus status = ListStatus::Ok;
    std::string error; // or why the write failed
    std::vector<RegistryRepair> repairs;
    std::vector<int> linesWritten;
    bool historyKept = false; // the game was added to the history
};

// Reads the registry afresh, writes each side's new rating on the line that
// still holds that side's name (the engine on line 0), and adds the game to
// the history, all in one write. A side whose name is no longer on its line
// (the registry changed meanwhile) is looked up by name, else left alone.
StoreReport storeRatedResult(const std::filesystem::path& dir, const RatedResult& result,
                             const std::string& date);

} // namespace kv
