#include "print_layout.h"

#include "text_export.h"

#include <algorithm>

namespace kv {

std::string printedMoveText(const GameState& game, int first)
{
    const int complete = recordLineCount(game);
    std::string text = recordLineText(game, first) + " ";
    for (int j = first + 1; j < first + 6 && j < complete; ++j)
        text += recordLineText(game, j) + "  ";
    return text;
}

PrintLayout layoutPrint(const GameState& game, int pageHeight, int lineHeight)
{
    PrintLayout layout;
    layout.header = headerNames(game.whiteName, game.blackName);
    const int h = std::max(1, lineHeight);
    // Line positions on a page: a line at position r has its top at
    // r * h + h + gap and must end above the foot of the page. Printed lines
    // take every second position, in order; however small the page, each
    // printed line gets at least a page of its own.
    const int positions = std::max(0, (pageHeight - kPrintMovesGap - 2 * h) / h + 1);
    const int perPage = std::max(1, (positions + 1) / 2);
    int page = 0;
    const int complete = recordLineCount(game);
    for (int i = 0, n = 0; i < complete; i += 6, ++n) {
        const int slot = n % perPage;
        if (slot == 0 && n > 0) ++page;
        layout.lines.push_back(
            { page, 2 * slot * h + h + kPrintMovesGap, printedMoveText(game, i) });
    }
    layout.pages = page + 1;
    return layout;
}

} // namespace kv
