// Ratings ("points") and what a rated game does to them.
//
// After a rated game the two sides exchange points: the winner gains at least
// 5, more when the gap is large and when the loser is strong relative to the
// winner; a draw moves each rating a tenth of the way towards the other. The
// arithmetic is integer division truncating toward zero, step by step, and
// the rounding of each step is part of the result: 1800 against 2050 gives
// exactly +22/-22 when the lower side wins and -11/+11 when it loses.
#pragma once

#include "rules/game_result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// Ratings the arithmetic works with. A stored rating outside this range (a
// rating driven to zero or below by repeated losses, a hand-edited file) is
// taken at the nearest bound, so no step divides by zero or overflows, and
// new ratings never leave it.
inline constexpr std::int32_t kMinRating = 1;
inline constexpr std::int32_t kMaxRating = 99999;

// A player rated below this has the clock counted at half against the time
// limit of a match.
inline constexpr std::int32_t kFullClockRating = 1800;

std::int32_t boundedRating(std::int64_t rating);

struct RatingPair {
    std::int32_t white = 0;
    std::int32_t black = 0;
    bool operator==(const RatingPair&) const = default;
};

// The new ratings of the two sides of a rated game.
RatingPair rateMatchResult(std::int32_t white, std::int32_t black, GameResult outcome);

// A rating as written in "points.dat": plain decimal after a rated game, and
// "%4d" (right-aligned in four columns) for a new player.
std::string ratingLine(std::int32_t rating);
std::string paddedRatingLine(std::int32_t rating);

// Reads a rating line: optional spaces, an optional sign, digits, optional
// spaces. Anything else, or a value beyond five digits, is not a rating.
std::optional<std::int32_t> parseRating(std::string_view line);

} // namespace kv
