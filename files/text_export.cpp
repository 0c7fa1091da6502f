#include "text_export.h"

#include "io/text_encoding.h"
#include "rules/geometry.h"
#include "rules/movelist_text.h"

namespace kv {

std::string recordLineText(const GameState& game, int index)
{
    const int white = 2 * index + 1, black = white + 1;
    if (black > game.gamePly) return whiteLineText(index + 1, game.plyText(white));
    return pairLineText(index + 1, game.plyText(white), game.plyText(black));
}

int recordLineCount(const GameState& game) { return (game.gamePly + 1) / 2; }

std::string headerNames(const std::string& white, const std::string& black)
{
    // A dash inside a name would move the split: the names are then joined
    // by a dash between blanks, which the reader looks for first.
    const bool dashes
        = white.find('-') != std::string::npos || black.find('-') != std::string::npos;
    return white + (dashes ? " - " : "-") + black;
}

std::string exportText(const GameState& game, GameResult result)
{
    // A name is one line of the header, whatever it was given as.
    std::string out = headerNames(cleanName(game.whiteName, kNameLength),
                                  cleanName(game.blackName, kNameLength));
    out += result == GameResult::None ? std::string(" ") : "  " + std::string(scoreText(result));
    out += "\r\n";
    out += kTextExportMark;
    out += "\r\n";
    const int lines = recordLineCount(game);
    for (int i = 0; i < lines; i += 4) {
        for (int j = i; j < i + 4 && j < lines; ++j) out += recordLineText(game, j) + "  ";
        out += "\r\n";
    }
    return out;
}

} // namespace kv
