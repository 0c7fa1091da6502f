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

std::vector<PrintedLine> layoutLines(const std::vector<std::string>& texts, int pageHeight,
                                     int lineHeight, int step, int firstTop)
{
    const int h = std::max(1, lineHeight);
    step = std::max(1, step);
    // Line positions on a page: a line at position r has its top at
    // r * h + h + gap and must end above the foot of the page. Lines take
    // every step-th position, in order; however small the page, each line
    // gets at least a page of its own.
    auto perPage = [&](int top) {
        const int positions = std::max(0, (pageHeight - top - kPrintMovesGap - 2 * h) / h + 1);
        return std::max(1, (positions + step - 1) / step);
    };
    std::vector<PrintedLine> out;
    int page = 0, slot = 0;
    for (const std::string& text : texts) {
        const int top = page == 0 ? std::max(0, firstTop) : 0;
        if (slot == perPage(top)) {
            ++page;
            slot = 0;
        }
        const int y
            = (page == 0 ? std::max(0, firstTop) : 0) + step * slot * h + h + kPrintMovesGap;
        out.push_back({ page, y, text });
        ++slot;
    }
    return out;
}

PrintLayout layoutPrint(const GameState& game, int pageHeight, int lineHeight, int firstTop)
{
    PrintLayout layout;
    layout.header = headerNames(game.whiteName, game.blackName);
    std::vector<std::string> texts;
    const int complete = recordLineCount(game);
    for (int i = 0; i < complete; i += 6) texts.push_back(printedMoveText(game, i));
    layout.lines = layoutLines(texts, pageHeight, lineHeight, 2, firstTop);
    layout.pages = layout.lines.empty() ? 1 : layout.lines.back().page + 1;
    return layout;
}

} // namespace kv
