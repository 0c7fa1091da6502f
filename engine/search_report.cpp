// What the search tells its observer as it goes: the statistics after each
// root move and the root list's lines.
#include "searcher.h"

namespace kv {

void Searcher::reportInfo(int score, int depthShown)
{
    if (!state->unlimitedTime) {
        sideUsed = (*clockMs)() - startReference;
        if (observer) observer->clock(rootSide, sideUsedSeconds());
    }
    info.depth = depthShown;
    info.nodes = nodes;
    info.timed = !state->unlimitedTime;
    info.elapsedMs = info.timed ? sideUsed - usedAtStart : 0;
    info.score = score;
    info.moveNumber = (gamePly + 2) / 2;
    // The line ends at the first empty ply: entries beyond it may be left
    // over from a longer line of an earlier iteration.
    info.principalVariation.clear();
    for (int j = 1; j < 33 && pv[1][j].from != 0; ++j) info.principalVariation.push_back(pv[1][j]);
    infoReported = true;
    if (observer) observer->searchInfo(info);
}

void Searcher::reportRootLine(int i, const MoveRecord& m, int score, bool searching)
{
    if (observer) observer->setRootLine(i, RootLine { m, score, searching });
}

} // namespace kv
