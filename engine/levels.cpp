#include "engine/levels.h"

#include <algorithm>

namespace kv {

const std::array<LevelEntry, 16>& levelTable()
{
    // Levels 0 to 4 are set by depth (a LevelTime below 10 ends the search
    // after depth LevelTime + 1): depth 2 with the novice's slips, 3, 4, 6
    // and 9, each clearly stronger than the one below, then the time
    // controls of 30 moves in 3, 5, 10 and 30 minutes.
    static const std::array<LevelEntry, 16> table { {
        { { 1, 58, 1, 0 }, false },
        { { 2, 58, 1, 1 }, false },
        { { 3, 158, 1, 2 }, false },
        { { 5, 358, 1, 3 }, false },
        { { 8, 600, 1, 4 }, false },
        { { 160, 178, 3, 5 }, false },
        { { 270, 298, 5, 6 }, false },
        { { 540, 598, 10, 7 }, false },
        { { 1680, 1798, 30, 8 }, false },
        { { 160, 178, 3, 11 }, true },
        { { 270, 298, 5, 12 }, true },
        { { 540, 598, 10, 13 }, true },
        { { 1680, 1798, 30, 14 }, true },
        { { 3360, 3598, 60, 15 }, true },
        { { 6700, 7198, 120, 16 }, true },
        { { 320000, 319998, 500, 17 }, true },
    } };
    return table;
}

std::optional<LevelSetting> levelByIndex(int index)
{
    for (const LevelEntry& e : levelTable())
        if (e.setting.index == index) return e.setting;
    return std::nullopt;
}

std::optional<LevelSetting> customLevel(int minutes)
{
    if (minutes <= 0 || minutes > kCustomLevelMaxMinutes) return std::nullopt;
    return LevelSetting { 55 * minutes, 60 * minutes - 2, minutes, 18 };
}

LevelSetting storedLevel(const LevelSetting& stored)
{
    if (stored.index == 18) return stored;
    if (const auto level = levelByIndex(stored.index)) return *level;
    return stored;
}

bool noviceSlips(const LevelSetting& level, int ownPieces, int enemyPieces, std::size_t rootMoves,
                 bool onlyMove)
{
    return level.index == 0 && !onlyMove && ownPieces > enemyPieces && rootMoves > 1;
}

std::int64_t timeLossLimit(std::int32_t levelCap, int gamePly)
{
    const std::int64_t early = std::int64_t(levelCap) + 2;
    if (gamePly < 100) return early;
    return std::max(early, (std::int64_t(gamePly) + 1) * levelCap / 60 + 2);
}

int timeLoser(const TimeLossInput& in)
{
    const std::int64_t limit = timeLossLimit(in.levelCap, in.gamePly);
    const int mover = in.sideToMove & 1;
    const int other = mover ^ 1;
    auto over = [&](int side, int divisor) { return in.used[side] / std::max(divisor, 1) > limit; };
    // The side to move is judged on its whole time, the other one with its divisor.
    if (over(mover, 1)) return mover;
    if (over(other, in.divisor[other])) return other;
    return -1;
}

} // namespace kv
