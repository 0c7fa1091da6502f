#include "match_score.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kv {

double MatchScore::fraction() const { return games() == 0 ? 0.5 : points() / games(); }

double eloOfFraction(double p) { return -400.0 * std::log10(1.0 / p - 1.0); }

EloEstimate estimateElo(const MatchScore& s)
{
    const int n = s.games();
    if (n == 0) return {};
    const double edge = 0.5 / n;
    const double p = std::clamp(s.fraction(), edge, 1.0 - edge);
    const double mean = s.fraction();
    const double variance = (s.wins * (1 - mean) * (1 - mean)
                             + s.draws * (0.5 - mean) * (0.5 - mean) + s.losses * mean * mean)
        / n;
    const double error = 1.959964 * std::sqrt(variance / n);
    const double lo = std::clamp(p - error, edge, 1.0 - edge);
    const double hi = std::clamp(p + error, edge, 1.0 - edge);
    return { eloOfFraction(p), (eloOfFraction(hi) - eloOfFraction(lo)) / 2 };
}

std::string summaryLine(const std::string& a, const std::string& b, const MatchScore& s)
{
    const EloEstimate e = estimateElo(s);
    char text[160];
    std::snprintf(text, sizeof text,
                  "%d games, +%d =%d -%d, score %g (%.1f%%), Elo %+.0f +/- %.0f (95%%)", s.games(),
                  s.wins, s.draws, s.losses, s.points(), 100.0 * s.fraction(), e.elo, e.margin);
    return "match " + a + " " + b + ": " + text;
}

} // namespace kv
