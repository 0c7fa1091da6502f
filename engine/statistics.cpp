// The statistics lines of the "Calcul" tab: depth, nodes, time, speed, score,
// move number and the principal variation two plies a line.
#include "searcher.h"

#include "rules/geometry.h"

#include <cstdio>

namespace kv {

namespace {
std::string format(const char* pattern, long long value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string plyText(const MoveRecord& m)
{
    std::string t(label(m.from));
    t += m.isCapture() ? " x " : " - ";
    t += label(m.to);
    return t;
}
} // namespace

void Searcher::showStatistics(int score, int depthShown)
{
    if (!state->unlimitedTime) {
        sideUsed = (*clockMs)() - startReference;
        if (observer) observer->clock(rootSide, sideUsedSeconds());
    }
    statistics.clear();
    statistics.push_back(format("Profondeur : %5lld", depthShown));
    statistics.push_back(format("Noeuds : %8lld", nodes));
    if (!state->unlimitedTime) {
        const long long ms = sideUsed - usedAtStart;
        statistics.push_back(format("Temps : %6lld s", ms / 1000));
        statistics.push_back(ms <= 0 ? std::string("Noeuds/s : //") : format("Noeuds/s : %8lld", nodes * 1000LL / ms));
    }
    statistics.push_back(format("Score : %5lld", score / 2));
    statistics.push_back(format("Coups : %3lld", (gamePly + 2) / 2));
    // The line ends at the first empty ply: entries beyond it may be left
    // over from a longer line of an earlier iteration.
    for (int j = 1; j < 33 && pv[1][j].from != 0; j += 2) {
        std::string line = plyText(pv[1][j]);
        const bool second = j + 1 < 33 && pv[1][j + 1].from != 0;
        if (second) line += " , " + plyText(pv[1][j + 1]);
        statistics.push_back(line);
        if (!second) break;
    }
    if (observer) observer->statistics(statistics);
}

} // namespace kv
