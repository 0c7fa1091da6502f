// The texts of a game analysis: the header and legend of the analysis window
// and the two lines written for every analysed move (one for the analysis
// window, a shorter one for the main window's list), in the six interface
// languages. Scores are passed in search units (200 = a man) and
// shown halved, so that 100 on screen is one man, as the legend says.
#pragma once

#include "rules/board.h"

#include <string>

namespace kv {

// In the order of the interface's language index.
enum class AnalysisLanguage { French, English, Dutch, Portuguese, Spanish, Italian };

// The header says what the lines are worth and, while the analysis runs, to wait.
std::string analysisHeader(AnalysisLanguage lang, bool running);
std::string analysisLegend(AnalysisLanguage lang);

struct AnalysedMove {
    int ply = 0;              // the ply of the position the move was played from
    SideToMove mover = White; // who played it: picks the white or the black wording
    Square playedFrom = 0, playedTo = 0;
    int playedScore = 0; // search units, from the mover's view
    Square bestFrom = 0, bestTo = 0;
    int bestScore = 0;
};

// "%2d Blanc: joué : 22-18; score : ..."; the move number is ply / 2 + 1.
std::string analysisWindowLine(AnalysisLanguage lang, const AnalysedMove& m);
// "%2d Blancs: 22-18; score: ..." for the list of the main window.
std::string analysisListLine(AnalysisLanguage lang, const AnalysedMove& m);
// " ->( 11-15 23-19 ....)": the reply to the best move and the answer to it.
std::string analysisContinuation(Square replyFrom, Square replyTo, Square answerFrom,
                                 Square answerTo);

// A move is marked when the best move was clearly better (by more than half a
// man) and the two scores are not a pair of opposite wins.
bool analysisMarks(int bestScore, int playedScore);

// Scores as the user sees them: halved, rounded toward zero.
constexpr int shownScore(int searchScore) { return searchScore / 2; }

} // namespace kv
