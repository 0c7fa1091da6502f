#include "text_export.h"

#include "rules/geometry.h"
#include "rules/movelist_text.h"

namespace kv {

namespace {
std::string plyText(const GameState& game, int ply)
{
    const RecordEntry& e = game.record[ply];
    std::string t(label(e.from));
    t += e.captured ? 'x' : '-';
    t += label(e.to);
    return t;
}
} // namespace

std::string recordLineText(const GameState& game, int index)
{
    return pairLineText(index + 1, plyText(game, 2 * index + 1), plyText(game, 2 * index + 2));
}

std::string exportText(const GameState& game, GameResult result)
{
    std::string out = game.whiteName + "-" + game.blackName;
    out += result == GameResult::None ? std::string(" ") : "  " + std::string(scoreText(result));
    out += "\r\n";
    out += kTextExportMark;
    out += "\r\n";
    const int lines = game.gamePly / 2;
    for (int i = 0; i < lines; i += 4) {
        for (int j = i; j < i + 4 && j < lines; ++j) out += recordLineText(game, j) + "  ";
        out += "\r\n";
    }
    return out;
}

} // namespace kv
