// The score of a match and what it says about the strength difference: the
// Elo difference with its 95% error bar, from the wins, draws and losses of
// the first player.
#pragma once

#include <string>

namespace kv {

struct MatchScore {
    int wins = 0, draws = 0, losses = 0;

    int games() const { return wins + draws + losses; }
    double points() const { return wins + 0.5 * draws; }
    double fraction() const; // points per game, 0.5 for no game
    void add(const MatchScore& o) { wins += o.wins, draws += o.draws, losses += o.losses; }
};

struct EloEstimate {
    double elo = 0;    // of the first player over the second
    double margin = 0; // half the width of the 95% interval
};

// The logistic Elo difference of a score fraction, and its 95% interval
// from the spread of the game results (win 1, draw 1/2, loss 0). A score of
// all wins or all losses has no finite Elo: the fraction is then taken half
// a game from the edge, so the figure stays a lower bound.
EloEstimate estimateElo(const MatchScore& s);

// Elo difference for a score fraction strictly between 0 and 1.
double eloOfFraction(double p);

// "match A B: N games, +W =D -L, score S (P%), Elo E +/- M (95%)"
std::string summaryLine(const std::string& a, const std::string& b, const MatchScore& s);

} // namespace kv
