// Where the printed game goes on the pages: the header (the two names) at
// the top of the first page, then the complete moves up to the current
// position, six to a printed line. Printed lines stand on every second line
// position below a gap, and a new page starts when they reach its foot. The
// analysis is printed on the same pages, a line on every line position.
// Coordinates are in the printer's units; the caller measures a line and
// says how far down the first page the header block reaches.
#pragma once

#include "rules/game_state.h"

#include <string>
#include <vector>

namespace kv {

struct PrintedLine {
    int page = 0; // 0-based
    int y = 0;    // top of the line on its page
    std::string text;
};

struct PrintLayout {
    std::string header; // "White-Black", printed at (kPrintHeaderX, kPrintHeaderY) on page 0
    std::vector<PrintedLine> lines;
    int pages = 1;
};

inline constexpr int kPrintHeaderX = 5;
inline constexpr int kPrintHeaderY = 5;
inline constexpr int kPrintMovesX = 1;
inline constexpr int kPrintMovesGap = 150; // below the header, before the first move line

// The text of the printed line that begins with complete move `first`.
std::string printedMoveText(const GameState& game, int first);

// Lines of text down the pages, one on every `step`-th line position; the
// lines of the first page start `firstTop` lower than those of the others.
std::vector<PrintedLine> layoutLines(const std::vector<std::string>& texts, int pageHeight,
                                     int lineHeight, int step, int firstTop = 0);

PrintLayout layoutPrint(const GameState& game, int pageHeight, int lineHeight, int firstTop = 0);

} // namespace kv
