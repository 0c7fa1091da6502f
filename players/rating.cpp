#include "players/rating.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace kv {

std::int32_t boundedRating(std::int64_t rating)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(rating, kMinRating, kMaxRating));
}

namespace {

// The winner's gain: t := |gap| x L / V, then t / 20, then `factors` more
// times t x L / V, plus 5. Steps are evaluated left to right with truncating
// division, exactly as 32-bit arithmetic does for ratings of a few thousand.
// The 64-bit intermediates only matter for extreme ratings: t only grows in
// the repeated steps when L >= V, and once it passes the ceiling the loser
// already falls to the lowest rating and the winner rises to the highest, so
// holding it there changes no result and keeps every product in range.
std::int64_t winnersGain(std::int64_t loser, std::int64_t winner, int factors)
{
    constexpr std::int64_t kCeiling = 2 * static_cast<std::int64_t>(kMaxRating) + 10;
    const std::int64_t gap = std::llabs(loser - winner);
    std::int64_t t = gap * loser / winner;
    t = t / 20;
    for (int i = 0; i < factors; ++i) t = std::min(t * loser / winner, kCeiling);
    return t + 5;
}

} // namespace

RatingPair rateMatchResult(std::int32_t white, std::int32_t black, GameResult outcome)
{
    const std::int64_t w = boundedRating(white), b = boundedRating(black);
    switch (outcome) {
    case GameResult::BlackWon: {
        const std::int64_t k = winnersGain(w, b, 3);
        return { boundedRating(w - k), boundedRating(b + k) };
    }
    case GameResult::WhiteWon: {
        // One factor fewer than when black wins.
        const std::int64_t k = winnersGain(b, w, 2);
        return { boundedRating(w + k), boundedRating(b - k) };
    }
    case GameResult::Draw:
    case GameResult::None: // not rated: callers only rate finished games
        break;
    }
    return { boundedRating(w - (w - b) / 10), boundedRating(b - (b - w) / 10) };
}

std::string ratingLine(std::int32_t rating) { return std::to_string(rating); }

std::string paddedRatingLine(std::int32_t rating)
{
    char text[16];
    std::snprintf(text, sizeof text, "%4d", static_cast<int>(rating));
    return text;
}

std::optional<std::int32_t> parseRating(std::string_view line)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!line.empty() && blank(line.front())) line.remove_prefix(1);
    while (!line.empty() && blank(line.back())) line.remove_suffix(1);
    if (!line.empty() && line.front() == '+') line.remove_prefix(1);
    const std::size_t digits = line.size() - (!line.empty() && line.front() == '-' ? 1 : 0);
    if (digits == 0 || digits > 5) return std::nullopt;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (ec != std::errc() || end != line.data() + line.size()) return std::nullopt;
    return value;
}

} // namespace kv
