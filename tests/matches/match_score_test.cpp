#include "matches/match_score.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kv;

TEST(MatchScore, EloAndItsErrorBar)
{
    // An even score is 0 Elo; 75% is 400 x log10(3) = 190.8.
    EXPECT_DOUBLE_EQ(estimateElo({ 5, 10, 5 }).elo, 0);
    EXPECT_NEAR(eloOfFraction(0.75), 190.85, 0.01);
    EXPECT_NEAR(eloOfFraction(0.25), -190.85, 0.01);

    // +13 =15 -2 in 30 games: 20.5 points, 68.3%, about +134 Elo. The spread
    // per game is sqrt(sum of squared deviations / 30); the bar is 1.96
    // standard errors of the mean, turned into Elo on both sides.
    const MatchScore s { 13, 15, 2 };
    const EloEstimate e = estimateElo(s);
    EXPECT_NEAR(e.elo, 133.6, 0.1);
    const double p = 20.5 / 30;
    const double var = (13 * std::pow(1 - p, 2) + 15 * std::pow(0.5 - p, 2) + 2 * p * p) / 30;
    const double se = 1.959964 * std::sqrt(var / 30);
    EXPECT_NEAR(e.margin, (eloOfFraction(p + se) - eloOfFraction(p - se)) / 2, 1e-9);
    EXPECT_GT(e.margin, 70);
    EXPECT_LT(e.margin, 110);

    // More games of the same proportions narrow the bar by about sqrt(4).
    EXPECT_NEAR(estimateElo({ 52, 60, 8 }).margin * 2, e.margin, 5);
}

TEST(MatchScore, AllWinsStayFinite)
{
    const EloEstimate e = estimateElo({ 4, 0, 0 });
    EXPECT_TRUE(std::isfinite(e.elo));
    EXPECT_NEAR(e.elo, eloOfFraction(1 - 0.5 / 4), 1e-9); // half a game from the edge
    EXPECT_GT(e.elo, 300);
    EXPECT_TRUE(std::isfinite(estimateElo({ 0, 0, 3 }).elo));
    EXPECT_EQ(estimateElo({}).elo, 0);
}

TEST(MatchScore, SummaryLine)
{
    EXPECT_EQ(summaryLine("a.par", "b", { 13, 15, 2 }),
              "match a.par b: 30 games, +13 =15 -2, score 20.5 (68.3%), Elo +134 +/- 90 (95%)");
    EXPECT_EQ(summaryLine("x", "y", { 1, 0, 1 }).substr(0, 44),
              "match x y: 2 games, +1 =0 -1, score 1 (50.0%");
}
