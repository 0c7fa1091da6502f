// Playing levels: one menu entry fixes the time the computer plans for its
// first 30 moves, the cap on its total thinking time and the minutes shown in
// the time-control panel. Plain data, so the table and its arithmetic can be
// tested without a window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kv {

// A LevelTime of 1 up to this value also ends the search after the
// iteration of depth LevelTime + 1, so the lowest levels are set by depth.
inline constexpr int kDepthLevelTimes = 9;

struct LevelSetting {
    std::int32_t levelTime = 160; // seconds planned for the first 30 moves
    std::int32_t levelCap = 178;  // cap on the side's total thinking time
    int minutes = 3;              // shown as "30 coups en : N minutes"
    std::uint8_t index = 5;       // 0..8 levels, 11..17 special levels, 18 "Autre"
};

struct LevelEntry {
    LevelSetting setting;
    bool special; // one of the time controls listed apart from the levels
};

// Every level a menu entry chooses, in menu order.
const std::array<LevelEntry, 16>& levelTable();

// The entry with the given index, if any (18, "Autre", has none: see customLevel).
std::optional<LevelSetting> levelByIndex(int index);

// The level a saved game names: a menu entry's index stands for the values
// the table gives it today, so a game saved before the table changed plays on
// at the level it names; "Autre" (18) keeps its stored minutes and times.
LevelSetting storedLevel(const LevelSetting& stored);

// The novice level's slip: with a piece more than its opponent and a choice
// of moves, level 0 plays the second move of the search's ordered list.
bool noviceSlips(const LevelSetting& level, int ownPieces, int enemyPieces, std::size_t rootMoves,
                 bool onlyMove);

// The most minutes "Autre" takes: beyond about 39 days the products no
// longer fit the 32-bit settings.
inline constexpr int kCustomLevelMaxMinutes = 50000;

// "Autre" with N minutes for 30 moves; nothing for N outside 1..kCustomLevelMaxMinutes.
std::optional<LevelSetting> customLevel(int minutes);

// The default level: "5 : Excellence".
constexpr LevelSetting kDefaultLevel {};

// Time-loss limit in seconds for a side after `gamePly` plies. Up to ply 99
// the limit is LevelCap + 2. From ply 100 on it follows the engine's own total
// cap, which grows by LevelCap / 60 a ply after the 60th ply, plus the same two
// seconds of grace: (gamePly + 1) x LevelCap / 60 + 2, never below the early limit.
std::int64_t timeLossLimit(std::int32_t levelCap, int gamePly);

// Which side loses on time, if any, in a match: the side to move is judged on
// its used seconds, the other side on its used seconds divided by `divisor`
// (2 for a player rated below 1800). Returns 0 white, 1 black, -1 none.
struct TimeLossInput {
    std::array<std::int32_t, 2> used {}; // seconds used by white, black
    std::array<int, 2> divisor { 1, 1 };
    int sideToMove = 0;
    int gamePly = 0;
    std::int32_t levelCap = 178;
};
int timeLoser(const TimeLossInput& in);

} // namespace kv
