#include "pdn.h"

#include "replay.h"

#include "rules/geometry.h"

namespace kv {

namespace {

std::string tagLine(const char* name, std::string_view value)
{
    std::string out = "[";
    out += name;
    out += " \"";
    for (char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n' || c == '\r') c = ' ';
        out += c;
    }
    return out + "\"]\n";
}

std::string moveWord(const RecordedMove& r)
{
    if (!r.move.isCapture()) return std::to_string(userNumber(r.move.from)) + "-" + std::to_string(userNumber(r.move.to));
    if (!r.ambiguous) return std::to_string(userNumber(r.move.from)) + "x" + std::to_string(userNumber(r.move.to));
    std::string out;
    for (Square s : r.landing) {
        if (!out.empty()) out += 'x';
        out += std::to_string(userNumber(s));
    }
    return out;
}

// Appends words to lines of at most 79 characters.
class Wrapper {
public:
    void add(const std::string& word)
    {
        if (!line_.empty() && line_.size() + 1 + word.size() > 79) flush();
        if (!line_.empty()) line_ += ' ';
        line_ += word;
    }
    std::string finish()
    {
        flush();
        return text_;
    }

private:
    void flush()
    {
        if (line_.empty()) return;
        text_ += line_ + "\n";
        line_.clear();
    }
    std::string line_, text_;
};

} // namespace

std::string writePdn(GameState& game, GameOutcome result, const PdnTags& tags)
{
    const std::vector<RecordedMove> moves = recordedMoves(game, game.gamePly);
    Position start;
    start.board[0] = OffBoard;
    std::copy(game.record[0].squares.begin(), game.record[0].squares.end(), start.board.sq.begin() + 1);
    start.side = game.startSide;

    std::string out;
    out += tagLine("Event", tags.event);
    out += tagLine("Site", tags.site);
    out += tagLine("Date", tags.date);
    out += tagLine("Round", tags.round);
    out += tagLine("White", game.whiteName.empty() ? "?" : game.whiteName);
    out += tagLine("Black", game.blackName.empty() ? "?" : game.blackName);
    out += tagLine("Result", outcomeText(result));
    out += tagLine("GameType", kPdnGameType);
    if (!(start.board == initialPosition().board && start.side == White)) out += tagLine("FEN", formatFen(start));
    out += tagLine("PlyCount", std::to_string(moves.size()));
    out += "\n";

    Wrapper text;
    int number = 1;
    SideToMove side = start.side;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (side == White)
            text.add(std::to_string(number) + ".");
        else if (i == 0)
            text.add(std::to_string(number) + "...");
        text.add(moveWord(moves[i]));
        if (side == Black) ++number;
        side ^= 1;
    }
    text.add(std::string(outcomeText(result)));
    return out + text.finish() + "\n";
}

} // namespace kv
